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
