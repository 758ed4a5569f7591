<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>OrbDrawingWidgets</name>
    <message>
        <source>%1: %2 直径 %3 长 %4 根数 %5 重 %6 kg</source>
        <translation>%1: %2 diameter %3 length %4 count %5 weight %6 kg</translation>
    </message>
    <message>
        <source>%1: 图面默认值“%2”无效，使用 %3</source>
        <translation>%1: the drawing's default value "%2" is invalid, using %3</translation>
    </message>
    <message>
        <source>%1（%2）无法计算: %3</source>
        <translation>%1 (%2) cannot be calculated: %3</translation>
    </message>
    <message>
        <source>“%1”不能为空</source>
        <translation>"%1" must not be empty</translation>
    </message>
    <message>
        <source>“%1”不能大于 %2</source>
        <translation>"%1" must not be greater than %2</translation>
    </message>
    <message>
        <source>“%1”不能小于 %2</source>
        <translation>"%1" must not be less than %2</translation>
    </message>
    <message>
        <source>“%1”必须是数字，“%2”不是有效的数字</source>
        <translation>"%1" must be a number; "%2" is not a valid number</translation>
    </message>
    <message>
        <source>“%1”的取值范围为 %2 ~ %3</source>
        <translation>"%1" must lie between %2 and %3</translation>
    </message>
    <message>
        <source>“%1”的钢筋格式不正确，应为 C12@200、C8@100/200 或 4C12 的形式</source>
        <translation>The rebar of "%1" is malformed; write it as C12@200, C8@100/200 or 4C12</translation>
    </message>
    <message>
        <source>代码</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>保存失败: %1</source>
        <translation>Saving failed: %1</translation>
    </message>
    <message>
        <source>值</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>公式</source>
        <translation>Formula</translation>
    </message>
    <message>
        <source>公式“%1”中的 %2 没有数值</source>
        <translation>%2 in formula "%1" has no numeric value</translation>
    </message>
    <message>
        <source>公式“%1”中的代码 %2 不存在</source>
        <translation>Code %2 in formula "%1" does not exist</translation>
    </message>
    <message>
        <source>公式“%1”引用了自身</source>
        <translation>Formula "%1" refers to itself</translation>
    </message>
    <message>
        <source>公式“%1”无法计算: %2</source>
        <translation>Formula "%1" cannot be calculated: %2</translation>
    </message>
    <message>
        <source>公式“%1”的结果无效（除数为零）</source>
        <translation>Formula "%1" gives no valid result (division by zero)</translation>
    </message>
    <message>
        <source>公式循环引用: %1 与 %2</source>
        <translation>Circular formula reference: %1 and %2</translation>
    </message>
    <message>
        <source>单位</source>
        <translation>Unit</translation>
    </message>
    <message>
        <source>单根长度(mm)</source>
        <translation>Bar length (mm)</translation>
    </message>
    <message>
        <source>参数</source>
        <translation>Parameter</translation>
    </message>
    <message>
        <source>参数“%1”是只读的，不能修改</source>
        <translation>Parameter "%1" is read-only and cannot be changed</translation>
    </message>
    <message>
        <source>参数不存在</source>
        <translation>The parameter does not exist</translation>
    </message>
    <message>
        <source>名称</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>图集 %1 没有参数定义</source>
        <translation>Drawset %1 has no parameter definitions</translation>
    </message>
    <message>
        <source>图集信息代码</source>
        <translation>Drawing info code</translation>
    </message>
    <message>
        <source>工程量</source>
        <translation>Quantity</translation>
    </message>
    <message>
        <source>开始计算: %1</source>
        <translation>Calculating: %1</translation>
    </message>
    <message>
        <source>根数</source>
        <translation>Count</translation>
    </message>
    <message>
        <source>没有图集，不计算</source>
        <translation>No drawset: nothing calculated</translation>
    </message>
    <message>
        <source>直径</source>
        <translation>Diameter</translation>
    </message>
    <message>
        <source>级别</source>
        <translation>Grade</translation>
    </message>
    <message>
        <source>计算完成: %1 个公式，%2 个无法计算</source>
        <translation>Calculation done: %1 formulas, %2 could not be calculated</translation>
    </message>
    <message>
        <source>重量(kg)</source>
        <translation>Weight (kg)</translation>
    </message>
    <message>
        <source>钢筋</source>
        <translation>Rebar</translation>
    </message>
    <message>
        <source>钢筋“%1”的值“%2”格式不正确</source>
        <translation>Rebar "%1": the value "%2" is malformed</translation>
    </message>
    <message>
        <source>钢筋“%1”缺少间距或分布宽度</source>
        <translation>Rebar "%1" lacks a spacing or a distribution width</translation>
    </message>
    <message>
        <source>钢筋代码</source>
        <translation>Rebar code</translation>
    </message>
    <message>
        <source>钢筋名称</source>
        <translation>Rebar name</translation>
    </message>
    <message>
        <source>不是图集文件: %1</source>
        <translation>Not a drawing file: %1</translation>
    </message>
    <message>
        <source>图集文件不存在: %1</source>
        <translation>The drawing file does not exist: %1</translation>
    </message>
    <message>
        <source>图集文件已损坏: %1 (%2)</source>
        <translation>The drawing file is damaged: %1 (%2)</translation>
    </message>
    <message>
        <source>图集文件已损坏: %1 (版本号无效)</source>
        <translation>The drawing file is damaged: %1 (invalid version number)</translation>
    </message>
    <message>
        <source>图集文件已损坏: %1</source>
        <translation>The drawing file is damaged: %1</translation>
    </message>
    <message>
        <source>图集文件版本 %1 高于本程序支持的版本 %2: %3</source>
        <translation>The drawing file's version %1 is newer than version %2 this program supports: %3</translation>
    </message>
    <message>
        <source>无法打开图集文件: %1 (%2)</source>
        <translation>Cannot open the drawing file: %1 (%2)</translation>
    </message>
    <message>
        <source>公式链超过 %1 层: %2</source>
        <translation>formula chain deeper than %1 levels: %2</translation>
    </message>
    <message>
        <source>%1 %2 的文字超过 %3 个字符</source>
        <translation>%1 %2 has a text longer than %3 characters</translation>
    </message>
    <message>
        <source>版本号无效</source>
        <translation>invalid version number</translation>
    </message>
    <message>
        <source>图集类型编号 %1 重复</source>
        <translation>drawset type id %1 occurs twice</translation>
    </message>
    <message>
        <source>图集编号 %1 重复</source>
        <translation>drawset id %1 occurs twice</translation>
    </message>
    <message>
        <source>图集 %1 的参数无法读取</source>
        <translation>the parameters of drawset %1 cannot be read</translation>
    </message>
    <message>
        <source>图集类型</source>
        <translation>drawset type</translation>
    </message>
    <message>
        <source>图集</source>
        <translation>drawset</translation>
    </message>
    <message>
        <source>服务器地址无效: %1 (应为 postgresql://用户@主机:端口/数据库?schema=图库)</source>
        <translation>Invalid server address: %1 (expected postgresql://user@host:port/database?schema=library)</translation>
    </message>
    <message>
        <source>图库名称无效: %1</source>
        <translation>Invalid library name: %1</translation>
    </message>
    <message>
        <source>无法连接图库服务器: %1 (%2)</source>
        <translation>Cannot connect to the library server: %1 (%2)</translation>
    </message>
    <message>
        <source>目标文件已存在: %1</source>
        <translation>The target file already exists: %1</translation>
    </message>
    <message>
        <source>图库中没有图集文件: %1</source>
        <translation>The library has no drawing file %1</translation>
    </message>
    <message>
        <source>无法订阅图库的变更通知: %1</source>
        <translation>Cannot subscribe to the change notifications of the library: %1</translation>
    </message>
    <message>
        <source>已被其他用户删除</source>
        <translation> was removed by another user</translation>
    </message>
    <message>
        <source>已被其他用户改名为“%1”</source>
        <translation> was renamed to "%1" by another user</translation>
    </message>
    <message>
        <source>的顺序已被其他用户改变</source>
        <translation>'s order was changed by another user</translation>
    </message>
    <message>
        <source>已被其他用户修改</source>
        <translation> was changed by another user</translation>
    </message>
    <message>
        <source>保存被拒绝: %1“%2”%3,请在刷新后重试</source>
        <translation>Save refused: %1 "%2"%3; try again now that it is up to date</translation>
    </message>
</context>
</TS>
