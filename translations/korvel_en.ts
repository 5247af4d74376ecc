<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="zh_CN">
<context>
    <name>korvel</name>
    <message>
        <source>&quot; 不是这样的角度！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%04d年%02d月%02d日%02d时%02d分%02d秒</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(星期三）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(星期五)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(星期六)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(星期四)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>+ 壁厚</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1:1 样板</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1:1 样板（</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CAD展开图</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CAD展开图已保存到：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CAD展开图的宽度或高度不到 0.001 mm，不能生成CAD展开图！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>D0=圆周长等份累加数</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DXF 图形文件 (*.dxf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DXF 文件</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DXF 版本：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Korvel 钣金展开放样计算</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF 文件 (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>R12（AC1009）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>R2000（AC1015）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mm (周长)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mm 大于主管</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mm 大于主管内径</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mm ：弯曲半径R=</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mm ：弯曲角度=</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mm（</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mm（圆口内直径</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mm（按输入的</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mm（按输入的主管外径，主管外表面）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mm）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mm，开孔无法在主管</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mm，支管插不进主管的开孔！请改用骑座式接头或减小支管外径。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“任意角度弯头展开放样”钢管外径φ=</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“打印”命令打印当前窗口；“返回”命令关闭计算窗口并回到本窗口。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>”已经存在。
要替换它吗？</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>”的面积为零，不能下料，不能生成展开图！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>− 板厚</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>三角形各边与实长最大差</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>三角面的高线落在矩方口边线以外，无法沿高线分缝！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>三通展开图</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>三通展开图_D</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>三通放样放样</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>上下端口垂直高为</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>上下端口垂直高为0，各面展开后首尾重合，不能生成展开图！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>上下端口垂直高：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>上展开！请改选展开面。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>上；</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>上；MARK 层上各等份旁的角度为该处支管壁与主管壁的夹角（管外量，焊接坡口按此）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>不是这样的角度！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>不能为空！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>不能整张下料！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>不能整张下料！
请加大弯曲半径。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>与主管外壁相交；开孔展开在主管外壁上（按主管外径）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>与板厚无关，用板材下料卷成品管将外直径改为中径输入。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>且不大于</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>东</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>东北角实线</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>东北角（东北角实线</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>东北角（东北角实线 j 居中的一根）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>东北面结合实长线</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>东南角实线</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>东南角（东南角实线</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>东南角（东南角实线 k 居中的一根）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>东南面结合实长线</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>东边</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>东边三角面实高</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>东边三角面实高 h1=</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>东边中线（东边三角面实高</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>东边中线（东边三角面实高 h1）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>东边梯形面实高</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>两端口垂直高不能为空，输入正确的数据</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>两管夹角不得为零，请您正确输入两管之间夹角！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>个</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>个 ：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>丫形三通展开图</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>丫形三通展开图_D</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>丫形三通放样</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>中性层</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>中节</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>中节实</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>中间节下料展开等于端节展开图以水平直线为基准对称组合，程序按成品钢管外直径计算</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>中间节下料展开等于端节展开图以水平直线为基准对称组合，程序按成品钢管外直径计算,</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>为</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>主管</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>主管壁厚须为大于</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>主管壁厚须为大于 0 的数（单位 mm），或者不填。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>主管壁厚：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>主管外径</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>主管外径和支管外径不得为零，请您正确输入！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>主管开孔</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>主管开孔展开图</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>主管开孔横向</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>主管开孔竖向</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>主管开孔轴向长度</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>主管开孔轴向长度 / x</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>之间</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>之间的角度（从第</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>之间！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>仍为管道轴线的半径</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>以上的整数！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>以下文件已经存在：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>件</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>任意角度弯头</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>任意角度弯头中节展开数据</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>任意角度弯头展开放样</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>任意角度弯头展开放样程序</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>任意角度弯头放样程序</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>任意角度弯头放样程序   单位:mm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>任意角度弯头端节展开数据</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>任意角度等径异径三通</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>任意角度等径异径三通放样程序</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>任意角度等径异径三通放样程序    单位：mm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>份累加数据</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>位）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>侧面（弯头中性面上的素线）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>保存</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>保存1:1样板</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>保存CAD展开图</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>保存为</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>保存为 PDF 文件</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>保存为 PDF…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>保存展开图</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>偏心方位：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>偏移方位：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>全部复制</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>全部复制(&amp;A)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>内壁</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>内表面</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>内表面，按内边长展开（不计板厚）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>写入时出错。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>分</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>到</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>北</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>北边</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>北边三角面实高</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>北边三角面实高 h4=</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>北边中线（北边三角面实高</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>北边中线（北边三角面实高 h4，原位置）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>北边梯形面实高</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>单位</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>单位: mm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>单位：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>单双偏心向东向北偏移</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>单双偏心向东向南偏移</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>南</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>南边</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>南边三角面实高</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>南边三角面实高 h2=</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>南边中线（南边三角面实高</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>南边中线（南边三角面实高 h2）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>南边梯形面实高</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>原位置</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>原有的文件没有改动。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>取整数</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>取消</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>只导出切割线（</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>只导出切割线（CUT 图层）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>同支管壁厚</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>后</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>后 退</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>周长</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>命令关闭计算窗口并回到本窗口。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>命令打印当前窗口；</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>喉部（内侧）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>图例</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>图层）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>图形文件</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>圆口内直径</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>圆口展开长度</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>圆口展开长度 / π(D+t)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>圆口展开长度 / πD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>圆周每等份弦长</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>圆周每等份弦长 yn=</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>圆周等份</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>圆周等份：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>圆周长每等</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>圆周长等份累加数</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>圆弧展开半径</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>圆弧展开半径 =</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>圆弧展开弦长</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>圆弧展开弦长 =</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>圆弧展开弧长</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>圆弧展开弧长 / π(D−t)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>圆弧展开弧长 / πD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>圆心向西向北偏移</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>圆心向西向南偏移</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>圆环宽度</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>圆环宽度 / 展开斜边实长</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>圆盘半径</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>圆盘半径 / 展开斜边实长</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>圆锥体</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>圆锥台</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>圆锥台体放样</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>圆锥台展开图</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>圆锥台展开图_D</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>圆锥展开图</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>圆锥展开图_D</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>在计算窗口左侧输入各项尺寸（单位：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>在计算窗口左侧输入各项尺寸（单位：mm），选择圆周等份数和取整数或留小数，</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>壁厚</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>壁厚，壁厚不得大于或等于</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>复制</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>复制(&amp;C)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>外壁</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>外径</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>外径的一半，否则展开图无法下料！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>外表面</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>大于主管</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>大于主管内径</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>大圆弧展开半径</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>大圆弧展开半径 =</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>大圆弧展开弦长</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>大圆弧展开弦长 =</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>大圆弧展开弧长</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>大圆弧展开弧长 / π(D−t)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>大圆弧展开弧长 / πD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>大端口外径</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>大端口外径不能为空，输入正确的数据</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>大端展开周长</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>大端展开周长 / 2A+2B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>大端横向内边长</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>大端横向内边长：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>大端纵向内边长</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>大端纵向内边长：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>天圆地方</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>天圆地方展开图</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>天圆地方展开图_</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>天圆地方放样</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>天方地圆</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>天方地圆展开图</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>天方地圆展开图_</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>天方地圆放样</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>如果支管是骑在主管外圆上面焊接就必须输入支管壁厚</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>如果需要计算弯头重量请输入管道壁厚</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>宋体</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>导出</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>导出展开图</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>导出展开图(&amp;E)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>将按以下尺寸展开：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>小圆弧展开半径</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>小圆弧展开半径 =</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>小圆弧展开弦长</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>小圆弧展开弦长 =</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>小圆弧展开弧长</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>小圆弧展开弧长 / π(d−t)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>小圆弧展开弧长 / πd</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>小端口外径</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>小端口外径不能为空，输入正确的数据</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>小端口至圆心垂线</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>小端口至圆心垂线 =</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>小端展开周长</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>小端展开周长 / 2a+2b</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>小端横向内边长</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>小端横向内边长：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>小端纵向内边长</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>小端纵向内边长：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>尺寸超出范围（超过</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>尺寸超出范围（超过 1000000 mm），不能生成</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>层上各等份旁的角度为该处支管壁与主管壁的夹角（管外量，焊接坡口按此）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>居中的一根）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>展开</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>展开后相邻等分点直线距离</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>展开后相邻等分点间圆口弧长</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>展开后相邻等分点间圆口弧长 / πD/N</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>展开图</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>展开图中</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>展开图中“</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>展开图例</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>展开图例(&amp;D)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>展开图已保存到：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>展开图已按件保存到：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>展开图的宽度或高度不到</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>展开图的等份数必须是</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>展开图的等份数必须是4的整数倍！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>展开图自身重叠，不能整张板下料！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>展开图需要大于</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>展开图需要大于0的大小端口边长！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>展开图需要大于0的边长、直径和垂直高！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>展开图！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>展开图：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>展开扇形夹角</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>展开扇形夹角 =</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>展开斜边实长</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>展开斜边实长 =</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>展开方式：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>展开计算</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>展开计算(&amp;Z)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>展开长度</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>展开长度 /</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>展开长度 / πD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>展开面：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>展开！请给出钢板厚度，或按输入尺寸展开。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>展开，以半径</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>展开，板端垂直于板面，</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>展开；</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>已经存在。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>平口矩方形锥台</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>平口矩方形锥台含单双偏心放样程序</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>平口矩方形锥台含单双偏心放样程序    单位：mm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>年</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>应为</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>度</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>度  ：端节角度=</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>度 ：弯头节数=</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>度.dxf</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>度线数据</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>度（</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>度（0～360）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>开孔横向</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>开孔竖向</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>开孔：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>开孔：D =</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>弦长</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>弦长yn为</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>弯头</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>弯头_D</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>弯头、三通、丫形三通、矩方锥台、天圆地方、天方地圆、圆锥台体。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>弯头展开图</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>弯头展开图_D</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>弯头放样程序</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>弯头节数必须是</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>弯头节数必须是2以上的整数！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>弯头节数：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>弯头重量</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>弯头重量 =</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>弯曲半径</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>弯曲半径 R 仍为管道轴线的半径</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>弯曲半径不能为空！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>弯曲半径或弯曲角度过小，无法绘制展开图！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>弯曲半径等于外径一半，弯头内侧素线长度为零，展开图在内侧收成一点，</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>弯曲角度不能为空！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>弯曲角度过大：端节角度必须小于</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>弯曲角度过大：端节角度必须小于90°！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>必须是数字！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>所有尺寸均按毫米计算，下料前请核对输入数据。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>扇形半径、弦长和夹角等，窗口同时画出展开图、平面图或扇形示意图。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>打印</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>打印 (&amp;P)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>打印(&amp;W)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>打印1:1样板</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>打印1:1样板(&amp;T)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>打印…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>打印失败：无法使用所选打印机。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>打印失败：无法使用打印机</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>打开软件</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>按输入尺寸</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>按输入尺寸展开时没有壁厚，无法按骑座式或插入式接头展开！请选择中性层、外表面或内表面。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>按骑座式或插入式接头展开需要壁厚，请输入支管壁厚！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>接头形式：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>接头：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>接缝上边长</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>接缝上边长 / 展开斜边实长</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>接缝下边长</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>接缝下边长 / 展开斜边实长</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>接缝位置应为</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>接缝位置应为 0 到 360 之间的角度（从第0等分线起算），
&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>接缝位置：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>插入式接头的支管外径</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>插入式（支管插入主管孔内）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>支管</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>支管内壁与主管外壁相交</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>支管内径</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>支管圆周</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>支管圆周等份（从接缝量起）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>支管外壁与主管内壁相交</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>支管外径</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>支管展开实</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>支管展开放样图</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>支管展开长度</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>支管展开长度 / πd</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>支管按支管外径的圆周</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>支管按支管外径的圆周 πd 展开，以半径 d/2−t 与主管外壁相交；开孔展开在主管外壁上（按主管外径）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>支管接缝：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>支管素线</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>放样图</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>文件</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>文件“</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>文件名太长。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>文件夹不存在。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>文件已存在：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>文件？</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>斜接面仍过三管轴线的交点</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>斜管</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>斜管展开放样</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>斜管展开放样 x 2 件</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>斜管展开放样图</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>斜管展开放样图 x 2 件</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>方口横向内边长</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>方口横向内边长：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>方口竖向内边长</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>方口竖向内边长：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>无法保存</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>无法保存 1:1 样板：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>无法保存CAD展开图：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>无法保存展开图：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>无法写入文件：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>日</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>时</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>明</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>星期三）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>星期五</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>星期六</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>星期四</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>是否把窗口图像保存为</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>是否替换？</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>显示基本数据</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>显示数据</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>月</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>有三角形不能由它的三边作出，不能生成展开图！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>未给</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>本程序为管道及风管配件的钣金下料展开计算工具。在</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>本程序为管道及风管配件的钣金下料展开计算工具。在“打开软件”菜单中选择配件：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>板厚</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>板厚须为大于</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>板厚须为大于 0 的数（单位 mm），或者不填。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>板厚：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>样板</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>样板按实际大小分页打印。请选择纸张：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>样板（</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>样板：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>横边向东偏心：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>正心圆锥体</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>正心圆锥体展开放样</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>正心圆锥体，圆锥台展开放样程序</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>正心圆锥体，圆锥台展开放样程序    单位：mm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>正心圆锥台</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>正心圆锥台展开放样</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>每件一个文件</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>每等份弧长</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>每等份弧长 =</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>没有在该位置写入文件的权限。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>没有找到打印机。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>没有找到打印机。
是否把窗口图像保存为 PDF 文件？</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>没有钢板厚度，不能按</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>溢出</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>然后用菜单中的计算命令得出展开数据：圆周各等份处的素线实长、三角形法的实长线、</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>版本：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>留小数</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>留小数（</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>的一半，端口没有内表面，不能生成展开图！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>的倍数（</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>的圆周展开；角线和高为内侧实长</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>的大小端口边长！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>的数（单位</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>的整数倍！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>的直径</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>的边长、直径和垂直高！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>的面积为零，不能下料，不能生成展开图！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>相邻两节交错（喉部、背部轮流，各节套裁在一条板上）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>矩方口向西向北偏移</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>矩方口向西向南偏移</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>矩方口按内边长，圆口按中径</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>矩方口按内边长，圆口按中径 D+t 的圆周展开；角线和高为内侧实长</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>矩方口横向内边长</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>矩方口横向内边长：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>矩方口直边总长</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>矩方口直边总长 / 2(a+b)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>矩方口纵向内边长</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>矩方口纵向内边长：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>矩方形天圆地方</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>矩方形天圆地方含单双偏心放样程序</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>矩方形天圆地方含单双偏心放样程序    单位：mm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>矩方形天方地圆</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>矩方形天方地圆含单双偏心放样程序</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>矩方形天方地圆含单双偏心放样程序       单位：mm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>矩方锥台</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>矩方锥台展开图</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>矩方锥台展开图_</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>矩方锥台放样</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>短边（锐角一侧，支管短边处）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>确定</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>磁盘空间不足。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>秒</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>程序执行默认数据！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>空格</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>穿过主管处，展开在主管</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>竖管</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>竖管展开放样</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>竖管展开放样 x 1 件</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>竖管展开放样图</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>竖管展开放样图 x 1 件</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>端口至圆心垂线</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>端口至圆心垂线 =</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>端节</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>端节实</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>等份</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>等份数必须在</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>等份数必须在1到1000之间！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>等份数必须是</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>等份数必须是4的倍数（4～1000）！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>等份数必须是数字！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>等份累加数</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>等分线起算），</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>等径丫形三通</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>等径丫形三通放样程序</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>等径丫形三通放样程序          单位：mm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>管Ⅰ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>管Ⅰ实长过</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>管Ⅱ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>管Ⅱ实长过</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>管道</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>管道周长</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>管道周长 =</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>管道壁厚不得大于或等于管道外径的一半，没有可展开的管壁！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>管道外壁，按管道外径的圆周</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>管道外壁，按管道外径的圆周 πD 展开</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>管道外径不能为空！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>管道外径必须大于零！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>累加数据</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>纵边向北偏心：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>纵边向南偏心：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>背部（外侧）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>节</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>节 ：端节下料2个 ：中间节下料个数=</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>菜单中选择配件：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>西</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>西北角实线</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>西北角（西北角实线</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>西北角（西北角实线 m 居中的一根）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>西北面结合实长线</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>西南角实线</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>西南角（西南角实线</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>西南角（西南角实线 L 居中的一根）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>西南面结合实长线</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>西边</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>西边三角面实高</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>西边三角面实高 h3=</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>西边中线（西边三角面实高</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>西边中线（西边三角面实高 h3）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>西边梯形面实高</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>要替换它们吗？</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>要替换它吗？</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>计算</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>计算中节展开</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>计算中节展开 (&amp;c)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>计算主管展开</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>计算主管展开(&amp;A)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>计算展开</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>计算展开(&amp;D)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>计算展开(&amp;Z)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>计算展开计算</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>计算展开计算(&amp;Z)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>计算支管展开</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>计算支管展开(&amp;Z)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>计算端节展开</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>计算端节展开 (&amp;D)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>计算等份累加</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>计算等份累加 (&amp;Z)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>计算等份累加数</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>计算等份累加数(&amp;D)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>计算管Ⅰ展开</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>计算管Ⅰ展开(&amp;A)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>计算管Ⅱ展开</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>计算管Ⅱ展开(&amp;Z)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>计算结果（右列）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>计算结果（左列）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>该位置只能读取，不能写入。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>该名称不是普通文件（设备、管道或套接字），不能覆盖。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>该名称已是一个文件夹。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>说</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>说 明</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>说明：板材下料请输入板厚</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>请加大弯曲半径。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>请您正确输入</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>请您正确输入两管之间夹角</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>请您正确输入两管之间夹角,程序执行默认数据！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>请您正确输入两管夹角，必须大于</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>请您正确输入两管夹角，必须大于0°且不大于180°！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>请您正确输入主管壁厚，壁厚不得大于或等于主管外径的一半，否则展开图无法下料！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>请您正确输入支管壁厚，壁厚不得大于或等于支管外径的一半，否则展开图无法下料！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>请您正确输入支管壁厚，支管与主管无法相交！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>请您正确输入支管外径，不得大于主管外径和小于</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>请您正确输入支管外径，不得大于主管外径和小于,程序执行默认数据！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>请您正确输入支管短边，支管短边必须大于零，否则展开图无法下料！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>请您正确输入管道长度，管道长度必须大于斜接口到中心点的距离，否则展开图无法下料！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>请您选择</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>请输入正确的大端口外径，必须是数字</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>请输入正确的大端横向内边长，必须是数字</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>请输入正确的小端口外径，不得大于大端口或者等于大端口外径</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>请输入正确的小端口外径，小于</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>请输入正确的小端口外径，小于0mm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>请输入正确的小端口外径，必须是数字</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>请输入正确的弯曲半径，不得小于外径一半！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>请输入正确的弯曲角度</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>请输入正确的弯曲角度“&gt;0-&lt;359.9”之间!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>请输入正确的钢板厚度，不得大于或等于大端口外径</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>输入上下口垂直高：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>输入两端垂直高：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>输入两管夹角：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>输入主管外径：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>输入圆口内直径：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>输入圆心向北偏移：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>输入圆心向南偏移：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>输入圆心向西偏移：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>输入大端口外径：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>输入小端口外径：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>输入弯曲半径：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>输入弯曲角度：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>输入支管壁厚：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>输入支管外径：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>输入支管短边：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>输入方口向北偏移：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>输入方口向南偏移：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>输入方口向西偏移：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>输入的数值过大！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>输入的数值过大，计算结果超出范围！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>输入的数据无法计算，不能生成展开图！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>输入管道壁厚：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>输入管道外径：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>输入管道长度：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>输入钢板厚度：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>输入钢板壁厚：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>输入锥体垂直高：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>输方口向北偏移：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>输方口向西偏移：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>返回</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>返回(&amp;F)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>退</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>退出</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>退出 (&amp;X)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>选择偏心方位</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>选择偏移方位和等份</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>选择圆周等份</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>选择圆周等份：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>选择等份：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>选择（输入）基本数据</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>选择（输入）数据</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>钢板中性层，按外径减板厚的中径展开</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>钢板厚度不小于</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>钢板厚度不小于小端口外径，小端口没有中径，不能生成展开图！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>钢板厚度不能为空，输入正确的数据</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>钢板厚度不能小于</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>钢板厚度不能小于0！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>钢管外径</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>钣金展开放样计算</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>错误：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>长数据</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>长边（与锐角一侧相对）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>长过度线数据</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>页）已保存到：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>骑座式（支管骑在主管上）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>（</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>（CAD）展开 (&amp;C)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>（同支管壁厚）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>（圆口内直径</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>（壁厚</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>（折弯线）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>（按输入的</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>（按输入的主管外径，主管外表面）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>（接缝尾边）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>（接缝首边）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>（星期一）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>（星期二）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>（星期日）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>）展开</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>）！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>），不能生成</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>），或者不填。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>），选择圆周等份数和取整数或留小数，</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>，</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>，不能生成</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>，主管壁厚</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>，共</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>，原位置）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>，各面展开后首尾重合，不能生成展开图！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>，开孔无法在主管</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>，按其直径的圆周</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>，按其直径的圆周 πD 展开；</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>，支管插不进主管的开孔！请改用骑座式接头或减小支管外径。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>，窗口列表的中径）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>：D =</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>：中间节下料个数</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>：弯头节数</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>：弯曲半径</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>：弯曲角度</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>：支管按其直径的圆周</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>：支管按其直径的圆周 πd 展开，板端垂直于板面，</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>：端节下料</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>：端节角度</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>；开孔为支管</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>～</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
