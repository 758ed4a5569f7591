<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>OrbDWSqlTableWidget</name>
    <message>
        <source>OrbDWSqlTableWidget</source>
        <translation>SQL Table</translation>
    </message>
    <message>
        <source>插入行</source>
        <translation>Insert Row</translation>
    </message>
    <message>
        <source>删除行</source>
        <translation>Delete Row</translation>
    </message>
    <message>
        <source>保存修改</source>
        <translation>Save Changes</translation>
    </message>
    <message>
        <source>撤销修改</source>
        <translation>Undo Changes</translation>
    </message>
</context>
<context>
    <name>OrbDrawingInfoEditorFrm</name>
    <message>
        <source>OrbDrawingInfoEditorFrm</source>
        <translation>Drawing Information</translation>
    </message>
</context>
<context>
    <name>OrbDrawingWidgets</name>
    <message>
        <source>全部</source>
        <translation>All</translation>
    </message>
    <message>
        <source>图集数据(测试用)</source>
        <translation>Drawing Set Data (for testing)</translation>
    </message>
    <message>
        <source>云图集</source>
        <translation>Cloud Drawing Sets</translation>
    </message>
    <message>
        <source>恢复默认值</source>
        <translation>Restore Defaults</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>钢筋信息输入说明</source>
        <translation>Rebar Information Input Guide</translation>
    </message>
    <message>
        <source>提示</source>
        <translation>Notice</translation>
    </message>
    <message>
        <source>确认是否恢复当前页默认值？</source>
        <translation>Restore the default values of the current page?</translation>
    </message>
    <message>
        <source>没有可保存的数据表。</source>
        <translation>There is no data table to save.</translation>
    </message>
    <message>
        <source>没有可导出的图集文件</source>
        <translation>There is no drawing file to export</translation>
    </message>
    <message>
        <source>不能导出到源图集文件本身</source>
        <translation>Cannot export onto the source drawing file itself</translation>
    </message>
    <message>
        <source>无法删除已有的目标文件</source>
        <translation>The existing target file cannot be deleted</translation>
    </message>
    <message>
        <source>无法复制图集文件</source>
        <translation>The drawing file cannot be copied</translation>
    </message>
    <message>
        <source>无法打开复制的图集文件</source>
        <translation>The copied drawing file cannot be opened</translation>
    </message>
    <message>
        <source>无法从副本中删除类型“%1”</source>
        <translation>Type "%1" cannot be removed from the copy</translation>
    </message>
    <message>
        <source>无法从副本中删除图集“%1”</source>
        <translation>Drawset "%1" cannot be removed from the copy</translation>
    </message>
    <message>
        <source>无法保存副本中的删除</source>
        <translation>The removals in the copy cannot be saved</translation>
    </message>
    <message>
        <source>图形数据已损坏，无法显示</source>
        <translation>The drawing data is damaged and cannot be shown</translation>
    </message>
</context>
<context>
    <name>OrbDrawingsInputFrm</name>
    <message>
        <source>云图集</source>
        <translation>Cloud Drawing Sets</translation>
    </message>
    <message>
        <source>恢复默认值</source>
        <translation>Restore Defaults</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
</context>
</TS>
