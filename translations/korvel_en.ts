<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="zh_CN">
<context>
    <name>korvel</name>
    <message>
        <source>&quot; 不是这样的角度！</source>
        <translation>&quot; is not such an angle!</translation>
    </message>
    <message>
        <source>%04d年%02d月%02d日%02d时%02d分%02d秒</source>
        <translation>%04d-%02d-%02d %02d:%02d:%02d</translation>
    </message>
    <message>
        <source>(星期三）</source>
        <translation>(Wednesday)</translation>
    </message>
    <message>
        <source>(星期五)</source>
        <translation>(Friday)</translation>
    </message>
    <message>
        <source>(星期六)</source>
        <translation>(Saturday)</translation>
    </message>
    <message>
        <source>(星期四)</source>
        <translation>(Thursday)</translation>
    </message>
    <message>
        <source>+ 壁厚</source>
        <translation>+ wall thickness</translation>
    </message>
    <message>
        <source>1:1 样板</source>
        <translation>1:1 template</translation>
    </message>
    <message>
        <source>1:1 样板（</source>
        <translation>1:1 template (</translation>
    </message>
    <message>
        <source>CAD展开图</source>
        <translation>CAD flat pattern</translation>
    </message>
    <message>
        <source>CAD展开图已保存到：</source>
        <translation>CAD flat pattern saved to:</translation>
    </message>
    <message>
        <source>CAD展开图的宽度或高度不到 0.001 mm，不能生成CAD展开图！</source>
        <translation>The CAD flat pattern is less than 0.001 mm wide or high: cannot make the CAD flat pattern!</translation>
    </message>
    <message>
        <source>D0=圆周长等份累加数</source>
        <translation>D0=cumulative girth at the divisions</translation>
    </message>
    <message>
        <source>DXF 图形文件 (*.dxf)</source>
        <translation>DXF drawing (*.dxf)</translation>
    </message>
    <message>
        <source>DXF 文件</source>
        <translation>DXF file</translation>
    </message>
    <message>
        <source>DXF 版本：</source>
        <translation>DXF version:</translation>
    </message>
    <message>
        <source>Korvel 钣金展开放样计算</source>
        <translation>Korvel sheet-metal development and layout</translation>
    </message>
    <message>
        <source>PDF 文件 (*.pdf)</source>
        <translation>PDF files (*.pdf)</translation>
    </message>
    <message>
        <source>R12（AC1009）</source>
        <translation>R12 (AC1009)</translation>
    </message>
    <message>
        <source>R2000（AC1015）</source>
        <translation>R2000 (AC1015)</translation>
    </message>
    <message>
        <source>mm (周长)</source>
        <translation>mm (girth)</translation>
    </message>
    <message>
        <source>mm 大于主管</source>
        <translation>mm is larger than the main pipe&apos;s</translation>
    </message>
    <message>
        <source>mm 大于主管内径</source>
        <translation>mm is larger than the main pipe ID</translation>
    </message>
    <message>
        <source>mm ：弯曲半径R=</source>
        <translation>mm : Bend radius R=</translation>
    </message>
    <message>
        <source>mm ：弯曲角度=</source>
        <translation>mm : Bend angle=</translation>
    </message>
    <message>
        <source>mm（</source>
        <translation>mm (</translation>
    </message>
    <message>
        <source>mm（圆口内直径</source>
        <translation>mm (round end ID</translation>
    </message>
    <message>
        <source>mm（按输入的</source>
        <translation>mm (typed</translation>
    </message>
    <message>
        <source>mm（按输入的主管外径，主管外表面）</source>
        <translation>mm (typed main pipe OD, main pipe outside surface)</translation>
    </message>
    <message>
        <source>mm）</source>
        <translation>mm)</translation>
    </message>
    <message>
        <source>mm，开孔无法在主管</source>
        <translation>mm, the hole cannot be developed on the main pipe&apos;s</translation>
    </message>
    <message>
        <source>mm，支管插不进主管的开孔！请改用骑座式接头或减小支管外径。</source>
        <translation>mm, so the branch cannot go into the hole in the main pipe! Use a set-on joint or a smaller branch OD.</translation>
    </message>
    <message>
        <source>“任意角度弯头展开放样”钢管外径φ=</source>
        <translation>&quot;Any-angle segmented elbow – development and layout&quot; Pipe OD φ=</translation>
    </message>
    <message>
        <source>“打印”命令打印当前窗口；“返回”命令关闭计算窗口并回到本窗口。</source>
        <translation>The &quot;Print&quot; command prints the current window; the &quot;Return&quot; command closes the calculator window and returns to this window.</translation>
    </message>
    <message>
        <source>”已经存在。
要替换它吗？</source>
        <translation>&quot; already exists.
Do you want to replace it?</translation>
    </message>
    <message>
        <source>”的面积为零，不能下料，不能生成展开图！</source>
        <translation>&quot; has zero area: there is nothing to cut, cannot make the flat pattern!</translation>
    </message>
    <message>
        <source>− 板厚</source>
        <translation>− plate thickness</translation>
    </message>
    <message>
        <source>三角形各边与实长最大差</source>
        <translation>Largest difference of the triangles&apos; sides from the true lengths</translation>
    </message>
    <message>
        <source>三角面的高线落在矩方口边线以外，无法沿高线分缝！</source>
        <translation> triangle face: its height line falls outside the rectangular end&apos;s edge, the seam cannot run along it!</translation>
    </message>
    <message>
        <source>三通展开图</source>
        <translation>Tee flat pattern</translation>
    </message>
    <message>
        <source>三通展开图_D</source>
        <translation>Tee flat pattern_D</translation>
    </message>
    <message>
        <source>三通放样放样</source>
        <translation>Tee layout</translation>
    </message>
    <message>
        <source>上下端口垂直高为</source>
        <translation>The vertical height between the ends is</translation>
    </message>
    <message>
        <source>上下端口垂直高为0，各面展开后首尾重合，不能生成展开图！</source>
        <translation>The vertical height between the ends is 0: the developed faces overlap end to end, cannot make the flat pattern!</translation>
    </message>
    <message>
        <source>上下端口垂直高：</source>
        <translation>Vertical height:</translation>
    </message>
    <message>
        <source>上展开！请改选展开面。</source>
        <translation>! Choose another surface to develop on.</translation>
    </message>
    <message>
        <source>上；</source>
        <translation>; </translation>
    </message>
    <message>
        <source>上；MARK 层上各等份旁的角度为该处支管壁与主管壁的夹角（管外量，焊接坡口按此）</source>
        <translation>; MARK layer: the angle beside each division is the angle there between the branch wall and the main pipe wall (measured outside the pipes; bevel the weld to it)</translation>
    </message>
    <message>
        <source>不是这样的角度！</source>
        <translation>is not such an angle!</translation>
    </message>
    <message>
        <source>不能为空！</source>
        <translation> cannot be empty!</translation>
    </message>
    <message>
        <source>不能整张下料！</source>
        <translation>it cannot be cut in one piece!</translation>
    </message>
    <message>
        <source>不能整张下料！
请加大弯曲半径。</source>
        <translation>it cannot be cut in one piece!
Please increase the bend radius.</translation>
    </message>
    <message>
        <source>与主管外壁相交；开孔展开在主管外壁上（按主管外径）</source>
        <translation>meeting the main pipe&apos;s outside wall; the hole is developed on the main pipe&apos;s outside wall (to the main pipe OD)</translation>
    </message>
    <message>
        <source>与板厚无关，用板材下料卷成品管将外直径改为中径输入。</source>
        <translation> regardless of plate thickness; to roll the pipe from plate, enter the mean diameter instead of the outside diameter.</translation>
    </message>
    <message>
        <source>且不大于</source>
        <translation> and not more than</translation>
    </message>
    <message>
        <source>东</source>
        <translation>E</translation>
    </message>
    <message>
        <source>东北角实线</source>
        <translation>NE corner</translation>
    </message>
    <message>
        <source>东北角（东北角实线</source>
        <translation>NE corner (NE corner lines</translation>
    </message>
    <message>
        <source>东北角（东北角实线 j 居中的一根）</source>
        <translation>NE corner (NE corner lines j, the middle one)</translation>
    </message>
    <message>
        <source>东北面结合实长线</source>
        <translation>NE joint true length</translation>
    </message>
    <message>
        <source>东南角实线</source>
        <translation>SE corner</translation>
    </message>
    <message>
        <source>东南角（东南角实线</source>
        <translation>SE corner (SE corner lines</translation>
    </message>
    <message>
        <source>东南角（东南角实线 k 居中的一根）</source>
        <translation>SE corner (SE corner lines k, the middle one)</translation>
    </message>
    <message>
        <source>东南面结合实长线</source>
        <translation>SE joint true length</translation>
    </message>
    <message>
        <source>东边</source>
        <translation>East side</translation>
    </message>
    <message>
        <source>东边三角面实高</source>
        <translation>East tri. height</translation>
    </message>
    <message>
        <source>东边三角面实高 h1=</source>
        <translation>East tri. height h1=</translation>
    </message>
    <message>
        <source>东边中线（东边三角面实高</source>
        <translation>East side centre line (East tri. height</translation>
    </message>
    <message>
        <source>东边中线（东边三角面实高 h1）</source>
        <translation>East side centre line (East tri. height h1)</translation>
    </message>
    <message>
        <source>东边梯形面实高</source>
        <translation>East face true height</translation>
    </message>
    <message>
        <source>两端口垂直高不能为空，输入正确的数据</source>
        <translation>The vertical height between the ends cannot be empty; enter correct data</translation>
    </message>
    <message>
        <source>两管夹角不得为零，请您正确输入两管之间夹角！</source>
        <translation>The angle between the pipes must not be zero; please enter a correct angle between the pipes!</translation>
    </message>
    <message>
        <source>个</source>
        <translation>pcs</translation>
    </message>
    <message>
        <source>个 ：</source>
        <translation>pcs :</translation>
    </message>
    <message>
        <source>丫形三通展开图</source>
        <translation>Y-tee flat pattern</translation>
    </message>
    <message>
        <source>丫形三通展开图_D</source>
        <translation>Y-tee flat pattern_D</translation>
    </message>
    <message>
        <source>丫形三通放样</source>
        <translation>Y-tee layout</translation>
    </message>
    <message>
        <source>中性层</source>
        <translation>Mean surface</translation>
    </message>
    <message>
        <source>中节</source>
        <translation>Middle section</translation>
    </message>
    <message>
        <source>中节实</source>
        <translation>Middle section</translation>
    </message>
    <message>
        <source>中间节下料展开等于端节展开图以水平直线为基准对称组合，程序按成品钢管外直径计算</source>
        <translation>The middle section&apos;s cutting pattern is two end section patterns joined symmetrically about a horizontal line; the program calculates on the finished pipe&apos;s outside diameter</translation>
    </message>
    <message>
        <source>中间节下料展开等于端节展开图以水平直线为基准对称组合，程序按成品钢管外直径计算,</source>
        <translation>The middle section&apos;s cutting pattern is two end section patterns joined symmetrically about a horizontal line; the program calculates on the finished pipe&apos;s outside diameter,</translation>
    </message>
    <message>
        <source>为</source>
        <translation>is</translation>
    </message>
    <message>
        <source>主管</source>
        <translation>main pipe</translation>
    </message>
    <message>
        <source>主管壁厚须为大于</source>
        <translation>Main pipe wall thickness must be greater than</translation>
    </message>
    <message>
        <source>主管壁厚须为大于 0 的数（单位 mm），或者不填。</source>
        <translation>Main pipe wall thickness must be a number greater than 0 (in mm), or left empty.</translation>
    </message>
    <message>
        <source>主管壁厚：</source>
        <translation>Main pipe wall thickness:</translation>
    </message>
    <message>
        <source>主管外径</source>
        <translation>main pipe OD</translation>
    </message>
    <message>
        <source>主管外径和支管外径不得为零，请您正确输入！</source>
        <translation>The main pipe OD and the branch OD must not be zero; please enter them correctly!</translation>
    </message>
    <message>
        <source>主管开孔</source>
        <translation>Main pipe hole</translation>
    </message>
    <message>
        <source>主管开孔展开图</source>
        <translation>Main pipe hole flat pattern</translation>
    </message>
    <message>
        <source>主管开孔横向</source>
        <translation>Main pipe hole x</translation>
    </message>
    <message>
        <source>主管开孔竖向</source>
        <translation>Main pipe hole y</translation>
    </message>
    <message>
        <source>主管开孔轴向长度</source>
        <translation>Main pipe hole axial length</translation>
    </message>
    <message>
        <source>主管开孔轴向长度 / x</source>
        <translation>Main pipe hole axial length / x</translation>
    </message>
    <message>
        <source>之间</source>
        <translation>only</translation>
    </message>
    <message>
        <source>之间的角度（从第</source>
        <translation>(counted from division line</translation>
    </message>
    <message>
        <source>之间！</source>
        <translation>!</translation>
    </message>
    <message>
        <source>仍为管道轴线的半径</source>
        <translation>is still the radius of the pipe axis</translation>
    </message>
    <message>
        <source>以上的整数！</source>
        <translation>or more!</translation>
    </message>
    <message>
        <source>以下文件已经存在：</source>
        <translation>These files already exist:</translation>
    </message>
    <message>
        <source>件</source>
        <translation>pcs</translation>
    </message>
    <message>
        <source>任意角度弯头</source>
        <translation>Any-angle segmented elbow</translation>
    </message>
    <message>
        <source>任意角度弯头中节展开数据</source>
        <translation>Elbow middle section</translation>
    </message>
    <message>
        <source>任意角度弯头展开放样</source>
        <translation>Any-angle segmented elbow – development and layout</translation>
    </message>
    <message>
        <source>任意角度弯头展开放样程序</source>
        <translation>Any-angle segmented elbow – development and layout program</translation>
    </message>
    <message>
        <source>任意角度弯头放样程序</source>
        <translation>Any-angle segmented elbow – layout program</translation>
    </message>
    <message>
        <source>任意角度弯头放样程序   单位:mm</source>
        <translation>Any-angle segmented elbow – layout program   Unit: mm</translation>
    </message>
    <message>
        <source>任意角度弯头端节展开数据</source>
        <translation>Elbow end section</translation>
    </message>
    <message>
        <source>任意角度等径异径三通</source>
        <translation>Any-angle equal or reducing tee</translation>
    </message>
    <message>
        <source>任意角度等径异径三通放样程序</source>
        <translation>Any-angle equal or reducing tee – layout program</translation>
    </message>
    <message>
        <source>任意角度等径异径三通放样程序    单位：mm</source>
        <translation>Any-angle equal or reducing tee – layout program    Unit: mm</translation>
    </message>
    <message>
        <source>份累加数据</source>
        <translation>(cumulative)</translation>
    </message>
    <message>
        <source>位）</source>
        <translation>places)</translation>
    </message>
    <message>
        <source>侧面（弯头中性面上的素线）</source>
        <translation>Side (the generator on the elbow&apos;s neutral plane)</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>保存1:1样板</source>
        <translation>Save 1:1 template</translation>
    </message>
    <message>
        <source>保存CAD展开图</source>
        <translation>Save CAD flat pattern</translation>
    </message>
    <message>
        <source>保存为</source>
        <translation>Save as</translation>
    </message>
    <message>
        <source>保存为 PDF 文件</source>
        <translation>Save as PDF file</translation>
    </message>
    <message>
        <source>保存为 PDF…</source>
        <translation>Save as PDF…</translation>
    </message>
    <message>
        <source>保存展开图</source>
        <translation>Save flat pattern</translation>
    </message>
    <message>
        <source>偏心方位：</source>
        <translation>Offset direction:</translation>
    </message>
    <message>
        <source>偏移方位：</source>
        <translation>Offset direction:</translation>
    </message>
    <message>
        <source>全部复制</source>
        <translation>Copy all</translation>
    </message>
    <message>
        <source>全部复制(&amp;A)</source>
        <translation>Copy &amp;all</translation>
    </message>
    <message>
        <source>内壁</source>
        <translation>inside wall</translation>
    </message>
    <message>
        <source>内表面</source>
        <translation>Inside surface</translation>
    </message>
    <message>
        <source>内表面，按内边长展开（不计板厚）</source>
        <translation>Inside surface, developed to the inside side lengths (plate thickness not counted)</translation>
    </message>
    <message>
        <source>写入时出错。</source>
        <translation>An error occurred while writing.</translation>
    </message>
    <message>
        <source>分</source>
        <translation>:</translation>
    </message>
    <message>
        <source>到</source>
        <translation>to</translation>
    </message>
    <message>
        <source>北</source>
        <translation>N</translation>
    </message>
    <message>
        <source>北边</source>
        <translation>North side</translation>
    </message>
    <message>
        <source>北边三角面实高</source>
        <translation>North tri. height</translation>
    </message>
    <message>
        <source>北边三角面实高 h4=</source>
        <translation>North tri. height h4=</translation>
    </message>
    <message>
        <source>北边中线（北边三角面实高</source>
        <translation>North side centre line (North tri. height</translation>
    </message>
    <message>
        <source>北边中线（北边三角面实高 h4，原位置）</source>
        <translation>North side centre line (North tri. height h4, original position)</translation>
    </message>
    <message>
        <source>北边梯形面实高</source>
        <translation>North face true height</translation>
    </message>
    <message>
        <source>单位</source>
        <translation>Unit</translation>
    </message>
    <message>
        <source>单位: mm</source>
        <translation>Unit: mm</translation>
    </message>
    <message>
        <source>单位：</source>
        <translation>Unit: </translation>
    </message>
    <message>
        <source>单双偏心向东向北偏移</source>
        <translation>Single/double offset, east and north</translation>
    </message>
    <message>
        <source>单双偏心向东向南偏移</source>
        <translation>Single/double offset, east and south</translation>
    </message>
    <message>
        <source>南</source>
        <translation>S</translation>
    </message>
    <message>
        <source>南边</source>
        <translation>South side</translation>
    </message>
    <message>
        <source>南边三角面实高</source>
        <translation>South tri. height</translation>
    </message>
    <message>
        <source>南边三角面实高 h2=</source>
        <translation>South tri. height h2=</translation>
    </message>
    <message>
        <source>南边中线（南边三角面实高</source>
        <translation>South side centre line (South tri. height</translation>
    </message>
    <message>
        <source>南边中线（南边三角面实高 h2）</source>
        <translation>South side centre line (South tri. height h2)</translation>
    </message>
    <message>
        <source>南边梯形面实高</source>
        <translation>South face true height</translation>
    </message>
    <message>
        <source>原位置</source>
        <translation>Original</translation>
    </message>
    <message>
        <source>原有的文件没有改动。</source>
        <translation>The existing file has not been changed.</translation>
    </message>
    <message>
        <source>取整数</source>
        <translation>Integers</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>只导出切割线（</source>
        <translation>Cutting lines only (</translation>
    </message>
    <message>
        <source>只导出切割线（CUT 图层）</source>
        <translation>Cutting lines only (CUT layer)</translation>
    </message>
    <message>
        <source>同支管壁厚</source>
        <translation>Same as branch</translation>
    </message>
    <message>
        <source>后</source>
        <translation>Go</translation>
    </message>
    <message>
        <source>后 退</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>周长</source>
        <translation>girth</translation>
    </message>
    <message>
        <source>命令关闭计算窗口并回到本窗口。</source>
        <translation> command closes the calculator window and returns to this window.</translation>
    </message>
    <message>
        <source>命令打印当前窗口；</source>
        <translation> command prints the current window; the </translation>
    </message>
    <message>
        <source>喉部（内侧）</source>
        <translation>Throat (inside)</translation>
    </message>
    <message>
        <source>图例</source>
        <translation>Legend</translation>
    </message>
    <message>
        <source>图层）</source>
        <translation>layer)</translation>
    </message>
    <message>
        <source>图形文件</source>
        <translation>drawing</translation>
    </message>
    <message>
        <source>圆口内直径</source>
        <translation>Round end ID</translation>
    </message>
    <message>
        <source>圆口展开长度</source>
        <translation>Round end developed length</translation>
    </message>
    <message>
        <source>圆口展开长度 / π(D+t)</source>
        <translation>Round end developed length / π(D+t)</translation>
    </message>
    <message>
        <source>圆口展开长度 / πD</source>
        <translation>Round end developed length / πD</translation>
    </message>
    <message>
        <source>圆周每等份弦长</source>
        <translation>Chord per div.</translation>
    </message>
    <message>
        <source>圆周每等份弦长 yn=</source>
        <translation>Chord per div. yn=</translation>
    </message>
    <message>
        <source>圆周等份</source>
        <translation>Girth divisions</translation>
    </message>
    <message>
        <source>圆周等份：</source>
        <translation>Girth divisions:</translation>
    </message>
    <message>
        <source>圆周长每等</source>
        <translation>Girth divisions</translation>
    </message>
    <message>
        <source>圆周长等份累加数</source>
        <translation>cumulative girth at the divisions</translation>
    </message>
    <message>
        <source>圆弧展开半径</source>
        <translation>Arc radius</translation>
    </message>
    <message>
        <source>圆弧展开半径 =</source>
        <translation>Arc radius =</translation>
    </message>
    <message>
        <source>圆弧展开弦长</source>
        <translation>Arc chord</translation>
    </message>
    <message>
        <source>圆弧展开弦长 =</source>
        <translation>Arc chord =</translation>
    </message>
    <message>
        <source>圆弧展开弧长</source>
        <translation>Arc length</translation>
    </message>
    <message>
        <source>圆弧展开弧长 / π(D−t)</source>
        <translation>Arc length / π(D−t)</translation>
    </message>
    <message>
        <source>圆弧展开弧长 / πD</source>
        <translation>Arc length / πD</translation>
    </message>
    <message>
        <source>圆心向西向北偏移</source>
        <translation>Centre offset west and north</translation>
    </message>
    <message>
        <source>圆心向西向南偏移</source>
        <translation>Centre offset west and south</translation>
    </message>
    <message>
        <source>圆环宽度</source>
        <translation>Ring width</translation>
    </message>
    <message>
        <source>圆环宽度 / 展开斜边实长</source>
        <translation>Ring width / slant true length</translation>
    </message>
    <message>
        <source>圆盘半径</source>
        <translation>Disc radius</translation>
    </message>
    <message>
        <source>圆盘半径 / 展开斜边实长</source>
        <translation>Disc radius / slant true length</translation>
    </message>
    <message>
        <source>圆锥体</source>
        <translation>Cone</translation>
    </message>
    <message>
        <source>圆锥台</source>
        <translation>Cone</translation>
    </message>
    <message>
        <source>圆锥台体放样</source>
        <translation>Cone and cone frustum layout</translation>
    </message>
    <message>
        <source>圆锥台展开图</source>
        <translation>Cone frustum flat pattern</translation>
    </message>
    <message>
        <source>圆锥台展开图_D</source>
        <translation>Cone frustum flat pattern_D</translation>
    </message>
    <message>
        <source>圆锥展开图</source>
        <translation>Cone flat pattern</translation>
    </message>
    <message>
        <source>圆锥展开图_D</source>
        <translation>Cone flat pattern_D</translation>
    </message>
    <message>
        <source>在计算窗口左侧输入各项尺寸（单位：</source>
        <translation>On the left of the calculator window, enter the sizes (unit: </translation>
    </message>
    <message>
        <source>在计算窗口左侧输入各项尺寸（单位：mm），选择圆周等份数和取整数或留小数，</source>
        <translation>On the left of the calculator window, enter the sizes (unit: mm), choose the number of girth divisions and integers or decimals, </translation>
    </message>
    <message>
        <source>壁厚</source>
        <translation>wall thickness</translation>
    </message>
    <message>
        <source>壁厚，壁厚不得大于或等于</source>
        <translation>wall thickness: it must be less than half the</translation>
    </message>
    <message>
        <source>复制</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>复制(&amp;C)</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <source>外壁</source>
        <translation>outside wall</translation>
    </message>
    <message>
        <source>外径</source>
        <translation>OD</translation>
    </message>
    <message>
        <source>外径的一半，否则展开图无法下料！</source>
        <translation>OD, otherwise the flat pattern cannot be cut!</translation>
    </message>
    <message>
        <source>外表面</source>
        <translation>Outside surface</translation>
    </message>
    <message>
        <source>大于主管</source>
        <translation>is larger than the main pipe&apos;s</translation>
    </message>
    <message>
        <source>大于主管内径</source>
        <translation>is larger than the main pipe ID</translation>
    </message>
    <message>
        <source>大圆弧展开半径</source>
        <translation>Large arc radius</translation>
    </message>
    <message>
        <source>大圆弧展开半径 =</source>
        <translation>Large arc radius =</translation>
    </message>
    <message>
        <source>大圆弧展开弦长</source>
        <translation>Large arc chord</translation>
    </message>
    <message>
        <source>大圆弧展开弦长 =</source>
        <translation>Large arc chord =</translation>
    </message>
    <message>
        <source>大圆弧展开弧长</source>
        <translation>Large arc length</translation>
    </message>
    <message>
        <source>大圆弧展开弧长 / π(D−t)</source>
        <translation>Large arc length / π(D−t)</translation>
    </message>
    <message>
        <source>大圆弧展开弧长 / πD</source>
        <translation>Large arc length / πD</translation>
    </message>
    <message>
        <source>大端口外径</source>
        <translation>large end OD</translation>
    </message>
    <message>
        <source>大端口外径不能为空，输入正确的数据</source>
        <translation>The large end OD cannot be empty; enter correct data</translation>
    </message>
    <message>
        <source>大端展开周长</source>
        <translation>Large end developed girth</translation>
    </message>
    <message>
        <source>大端展开周长 / 2A+2B</source>
        <translation>Large end developed girth / 2A+2B</translation>
    </message>
    <message>
        <source>大端横向内边长</source>
        <translation>large end inside width</translation>
    </message>
    <message>
        <source>大端横向内边长：</source>
        <translation>Large end inside width:</translation>
    </message>
    <message>
        <source>大端纵向内边长</source>
        <translation>large end inside depth</translation>
    </message>
    <message>
        <source>大端纵向内边长：</source>
        <translation>Large end inside depth:</translation>
    </message>
    <message>
        <source>天圆地方</source>
        <translation>Round-to-square</translation>
    </message>
    <message>
        <source>天圆地方展开图</source>
        <translation>Round top on rectangular bottom flat pattern</translation>
    </message>
    <message>
        <source>天圆地方展开图_</source>
        <translation>Round top on rectangular bottom flat pattern_</translation>
    </message>
    <message>
        <source>天圆地方放样</source>
        <translation>Round top on rectangular bottom layout</translation>
    </message>
    <message>
        <source>天方地圆</source>
        <translation>Square-to-round</translation>
    </message>
    <message>
        <source>天方地圆展开图</source>
        <translation>Rectangular top on round bottom flat pattern</translation>
    </message>
    <message>
        <source>天方地圆展开图_</source>
        <translation>Rectangular top on round bottom flat pattern_</translation>
    </message>
    <message>
        <source>天方地圆放样</source>
        <translation>Rectangular top on round bottom layout</translation>
    </message>
    <message>
        <source>如果支管是骑在主管外圆上面焊接就必须输入支管壁厚</source>
        <translation>If the branch sits on the outside of the main pipe and is welded there, the branch wall thickness must be entered</translation>
    </message>
    <message>
        <source>如果需要计算弯头重量请输入管道壁厚</source>
        <translation>To calculate the elbow weight, enter the pipe wall thickness</translation>
    </message>
    <message>
        <source>宋体</source>
        <translation>SimSun</translation>
    </message>
    <message>
        <source>导出</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>导出展开图</source>
        <translation>Export flat pattern</translation>
    </message>
    <message>
        <source>导出展开图(&amp;E)</source>
        <translation>&amp;Export flat pattern</translation>
    </message>
    <message>
        <source>将按以下尺寸展开：</source>
        <translation>Will be developed to these sizes:</translation>
    </message>
    <message>
        <source>小圆弧展开半径</source>
        <translation>Small arc radius</translation>
    </message>
    <message>
        <source>小圆弧展开半径 =</source>
        <translation>Small arc radius =</translation>
    </message>
    <message>
        <source>小圆弧展开弦长</source>
        <translation>Small arc chord</translation>
    </message>
    <message>
        <source>小圆弧展开弦长 =</source>
        <translation>Small arc chord =</translation>
    </message>
    <message>
        <source>小圆弧展开弧长</source>
        <translation>Small arc length</translation>
    </message>
    <message>
        <source>小圆弧展开弧长 / π(d−t)</source>
        <translation>Small arc length / π(d−t)</translation>
    </message>
    <message>
        <source>小圆弧展开弧长 / πd</source>
        <translation>Small arc length / πd</translation>
    </message>
    <message>
        <source>小端口外径</source>
        <translation>small end OD</translation>
    </message>
    <message>
        <source>小端口外径不能为空，输入正确的数据</source>
        <translation>The small end OD cannot be empty; enter correct data</translation>
    </message>
    <message>
        <source>小端口至圆心垂线</source>
        <translation>Small end to apex height</translation>
    </message>
    <message>
        <source>小端口至圆心垂线 =</source>
        <translation>Small end to apex height =</translation>
    </message>
    <message>
        <source>小端展开周长</source>
        <translation>Small end developed girth</translation>
    </message>
    <message>
        <source>小端展开周长 / 2a+2b</source>
        <translation>Small end developed girth / 2a+2b</translation>
    </message>
    <message>
        <source>小端横向内边长</source>
        <translation>small end inside width</translation>
    </message>
    <message>
        <source>小端横向内边长：</source>
        <translation>Small end inside width:</translation>
    </message>
    <message>
        <source>小端纵向内边长</source>
        <translation>small end inside depth</translation>
    </message>
    <message>
        <source>小端纵向内边长：</source>
        <translation>Small end inside depth:</translation>
    </message>
    <message>
        <source>尺寸超出范围（超过</source>
        <translation> size is out of range (over</translation>
    </message>
    <message>
        <source>尺寸超出范围（超过 1000000 mm），不能生成</source>
        <translation> size is out of range (over 1000000 mm): cannot make the</translation>
    </message>
    <message>
        <source>层上各等份旁的角度为该处支管壁与主管壁的夹角（管外量，焊接坡口按此）</source>
        <translation>layer: the angle beside each division is the angle there between the branch wall and the main pipe wall (measured outside the pipes; bevel the weld to it)</translation>
    </message>
    <message>
        <source>居中的一根）</source>
        <translation>, the middle one)</translation>
    </message>
    <message>
        <source>展开</source>
        <translation>developed</translation>
    </message>
    <message>
        <source>展开后相邻等分点直线距离</source>
        <translation>Straight distance between neighbouring division points, developed</translation>
    </message>
    <message>
        <source>展开后相邻等分点间圆口弧长</source>
        <translation>Round end arc between neighbouring division points, developed</translation>
    </message>
    <message>
        <source>展开后相邻等分点间圆口弧长 / πD/N</source>
        <translation>Round end arc between neighbouring division points, developed / πD/N</translation>
    </message>
    <message>
        <source>展开图</source>
        <translation>Flat pattern</translation>
    </message>
    <message>
        <source>展开图中</source>
        <translation>In the flat pattern,</translation>
    </message>
    <message>
        <source>展开图中“</source>
        <translation>In the flat pattern, &quot;</translation>
    </message>
    <message>
        <source>展开图例</source>
        <translation>Legend</translation>
    </message>
    <message>
        <source>展开图例(&amp;D)</source>
        <translation>&amp;Legend</translation>
    </message>
    <message>
        <source>展开图已保存到：</source>
        <translation>Flat pattern saved to:</translation>
    </message>
    <message>
        <source>展开图已按件保存到：</source>
        <translation>Flat pattern saved piece by piece to:</translation>
    </message>
    <message>
        <source>展开图的宽度或高度不到</source>
        <translation>flat pattern&apos;s width or height is less than</translation>
    </message>
    <message>
        <source>展开图的等份数必须是</source>
        <translation>The flat pattern&apos;s number of divisions must be a multiple of</translation>
    </message>
    <message>
        <source>展开图的等份数必须是4的整数倍！</source>
        <translation>The flat pattern&apos;s number of divisions must be a multiple of 4!</translation>
    </message>
    <message>
        <source>展开图自身重叠，不能整张板下料！</source>
        <translation>The flat pattern overlaps itself: it cannot be cut from one plate!</translation>
    </message>
    <message>
        <source>展开图需要大于</source>
        <translation>The flat pattern needs lengths greater than</translation>
    </message>
    <message>
        <source>展开图需要大于0的大小端口边长！</source>
        <translation>The flat pattern needs side lengths greater than 0 at both ends!</translation>
    </message>
    <message>
        <source>展开图需要大于0的边长、直径和垂直高！</source>
        <translation>The flat pattern needs sides, diameter and vertical height greater than 0!</translation>
    </message>
    <message>
        <source>展开图！</source>
        <translation>flat pattern!</translation>
    </message>
    <message>
        <source>展开图：</source>
        <translation>flat pattern:</translation>
    </message>
    <message>
        <source>展开扇形夹角</source>
        <translation>Sector angle</translation>
    </message>
    <message>
        <source>展开扇形夹角 =</source>
        <translation>Sector angle =</translation>
    </message>
    <message>
        <source>展开斜边实长</source>
        <translation>Slant true length</translation>
    </message>
    <message>
        <source>展开斜边实长 =</source>
        <translation>Slant true length =</translation>
    </message>
    <message>
        <source>展开方式：</source>
        <translation>Develop as:</translation>
    </message>
    <message>
        <source>展开计算</source>
        <translation>Develop</translation>
    </message>
    <message>
        <source>展开计算(&amp;Z)</source>
        <translation>&amp;Develop</translation>
    </message>
    <message>
        <source>展开长度</source>
        <translation> developed length</translation>
    </message>
    <message>
        <source>展开长度 /</source>
        <translation>developed length /</translation>
    </message>
    <message>
        <source>展开长度 / πD</source>
        <translation>developed length / πD</translation>
    </message>
    <message>
        <source>展开面：</source>
        <translation>Developed surface:</translation>
    </message>
    <message>
        <source>展开！请给出钢板厚度，或按输入尺寸展开。</source>
        <translation>! Give the plate thickness, or develop to the typed sizes.</translation>
    </message>
    <message>
        <source>展开，以半径</source>
        <translation>developed, with radius</translation>
    </message>
    <message>
        <source>展开，板端垂直于板面，</source>
        <translation>developed, plate ends square to the plate face, </translation>
    </message>
    <message>
        <source>展开；</source>
        <translation>developed; </translation>
    </message>
    <message>
        <source>已经存在。</source>
        <translation>already exists.</translation>
    </message>
    <message>
        <source>平口矩方形锥台</source>
        <translation>Rectangular frustum with parallel ends</translation>
    </message>
    <message>
        <source>平口矩方形锥台含单双偏心放样程序</source>
        <translation>Rectangular frustum with parallel ends, single or double offset – layout program</translation>
    </message>
    <message>
        <source>平口矩方形锥台含单双偏心放样程序    单位：mm</source>
        <translation>Rectangular frustum with parallel ends, single or double offset – layout program    Unit: mm</translation>
    </message>
    <message>
        <source>年</source>
        <translation>-</translation>
    </message>
    <message>
        <source>应为</source>
        <translation>should be</translation>
    </message>
    <message>
        <source>度</source>
        <translation>°</translation>
    </message>
    <message>
        <source>度  ：端节角度=</source>
        <translation>°  : End section angle=</translation>
    </message>
    <message>
        <source>度 ：弯头节数=</source>
        <translation>° : Number of sections=</translation>
    </message>
    <message>
        <source>度.dxf</source>
        <translation>°.dxf</translation>
    </message>
    <message>
        <source>度线数据</source>
        <translation>lengths</translation>
    </message>
    <message>
        <source>度（</source>
        <translation>degrees (</translation>
    </message>
    <message>
        <source>度（0～360）</source>
        <translation>degrees (0–360)</translation>
    </message>
    <message>
        <source>开孔横向</source>
        <translation>Hole x</translation>
    </message>
    <message>
        <source>开孔竖向</source>
        <translation>Hole y</translation>
    </message>
    <message>
        <source>开孔：</source>
        <translation>Hole: </translation>
    </message>
    <message>
        <source>开孔：D =</source>
        <translation>Hole: D =</translation>
    </message>
    <message>
        <source>弦长</source>
        <translation>chord</translation>
    </message>
    <message>
        <source>弦长yn为</source>
        <translation>chord yn is</translation>
    </message>
    <message>
        <source>弯头</source>
        <translation>Elbow</translation>
    </message>
    <message>
        <source>弯头_D</source>
        <translation>Elbow_D</translation>
    </message>
    <message>
        <source>弯头、三通、丫形三通、矩方锥台、天圆地方、天方地圆、圆锥台体。</source>
        <translation>elbow, tee, Y-tee, rectangular frustum, round top on rectangular bottom, rectangular top on round bottom, cone frustum.</translation>
    </message>
    <message>
        <source>弯头展开图</source>
        <translation>Elbow flat pattern</translation>
    </message>
    <message>
        <source>弯头展开图_D</source>
        <translation>Elbow flat pattern_D</translation>
    </message>
    <message>
        <source>弯头放样程序</source>
        <translation>Elbow layout</translation>
    </message>
    <message>
        <source>弯头节数必须是</source>
        <translation>The number of sections must be a whole number of</translation>
    </message>
    <message>
        <source>弯头节数必须是2以上的整数！</source>
        <translation>The number of sections must be a whole number of 2 or more!</translation>
    </message>
    <message>
        <source>弯头节数：</source>
        <translation>Number of sections:</translation>
    </message>
    <message>
        <source>弯头重量</source>
        <translation>Elbow weight</translation>
    </message>
    <message>
        <source>弯头重量 =</source>
        <translation>Elbow weight =</translation>
    </message>
    <message>
        <source>弯曲半径</source>
        <translation>bend radius</translation>
    </message>
    <message>
        <source>弯曲半径 R 仍为管道轴线的半径</source>
        <translation>bend radius R is still the radius of the pipe axis</translation>
    </message>
    <message>
        <source>弯曲半径不能为空！</source>
        <translation>The bend radius cannot be empty!</translation>
    </message>
    <message>
        <source>弯曲半径或弯曲角度过小，无法绘制展开图！</source>
        <translation>The bend radius or the bend angle is too small to draw the flat pattern!</translation>
    </message>
    <message>
        <source>弯曲半径等于外径一半，弯头内侧素线长度为零，展开图在内侧收成一点，</source>
        <translation>The bend radius is half the OD: the elbow&apos;s throat generator has zero length and the flat pattern closes to a point at the throat, </translation>
    </message>
    <message>
        <source>弯曲角度不能为空！</source>
        <translation>The bend angle cannot be empty!</translation>
    </message>
    <message>
        <source>弯曲角度过大：端节角度必须小于</source>
        <translation>The bend angle is too large: the end section angle must be less than</translation>
    </message>
    <message>
        <source>弯曲角度过大：端节角度必须小于90°！</source>
        <translation>The bend angle is too large: the end section angle must be less than 90°!</translation>
    </message>
    <message>
        <source>必须是数字！</source>
        <translation> must be a number!</translation>
    </message>
    <message>
        <source>所有尺寸均按毫米计算，下料前请核对输入数据。</source>
        <translation>All sizes are in millimetres; check the data entered before cutting.</translation>
    </message>
    <message>
        <source>扇形半径、弦长和夹角等，窗口同时画出展开图、平面图或扇形示意图。</source>
        <translation>sector radii, chords, angles and so on; the window also draws the flat pattern, the plan or a sketch of the sector.</translation>
    </message>
    <message>
        <source>打印</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>打印 (&amp;P)</source>
        <translation>&amp;Print</translation>
    </message>
    <message>
        <source>打印(&amp;W)</source>
        <translation>&amp;Print</translation>
    </message>
    <message>
        <source>打印1:1样板</source>
        <translation>Print 1:1 template</translation>
    </message>
    <message>
        <source>打印1:1样板(&amp;T)</source>
        <translation>Print 1:1 &amp;template</translation>
    </message>
    <message>
        <source>打印…</source>
        <translation>Print…</translation>
    </message>
    <message>
        <source>打印失败：无法使用所选打印机。</source>
        <translation>Printing failed: the chosen printer cannot be used.</translation>
    </message>
    <message>
        <source>打印失败：无法使用打印机</source>
        <translation>Printing failed: cannot use the printer</translation>
    </message>
    <message>
        <source>打开软件</source>
        <translation>Fittings</translation>
    </message>
    <message>
        <source>按输入尺寸</source>
        <translation>Typed sizes</translation>
    </message>
    <message>
        <source>按输入尺寸展开时没有壁厚，无法按骑座式或插入式接头展开！请选择中性层、外表面或内表面。</source>
        <translation>The typed sizes have no wall thickness, so no set-on or set-in joint can be developed! Choose the mean surface, the outside surface or the inside surface.</translation>
    </message>
    <message>
        <source>按骑座式或插入式接头展开需要壁厚，请输入支管壁厚！</source>
        <translation>A set-on or set-in joint needs a wall thickness: please enter the branch wall thickness!</translation>
    </message>
    <message>
        <source>接头形式：</source>
        <translation>Joint type:</translation>
    </message>
    <message>
        <source>接头：</source>
        <translation>Joint: </translation>
    </message>
    <message>
        <source>接缝上边长</source>
        <translation>Seam upper edge length</translation>
    </message>
    <message>
        <source>接缝上边长 / 展开斜边实长</source>
        <translation>Seam upper edge length / slant true length</translation>
    </message>
    <message>
        <source>接缝下边长</source>
        <translation>Seam lower edge length</translation>
    </message>
    <message>
        <source>接缝下边长 / 展开斜边实长</source>
        <translation>Seam lower edge length / slant true length</translation>
    </message>
    <message>
        <source>接缝位置应为</source>
        <translation>The seam position must be an angle from</translation>
    </message>
    <message>
        <source>接缝位置应为 0 到 360 之间的角度（从第0等分线起算），
&quot;</source>
        <translation>The seam position must be an angle from 0 to 360 (counted from division line 0),
&quot;</translation>
    </message>
    <message>
        <source>接缝位置：</source>
        <translation>Seam position:</translation>
    </message>
    <message>
        <source>插入式接头的支管外径</source>
        <translation>Set-in joint: the branch OD</translation>
    </message>
    <message>
        <source>插入式（支管插入主管孔内）</source>
        <translation>Set-in (branch enters the main pipe&apos;s hole)</translation>
    </message>
    <message>
        <source>支管</source>
        <translation>branch</translation>
    </message>
    <message>
        <source>支管内壁与主管外壁相交</source>
        <translation>the branch inside wall meets the main pipe outside wall</translation>
    </message>
    <message>
        <source>支管内径</source>
        <translation>Branch ID</translation>
    </message>
    <message>
        <source>支管圆周</source>
        <translation>Branch girth</translation>
    </message>
    <message>
        <source>支管圆周等份（从接缝量起）</source>
        <translation>Branch girth divisions (measured from the seam)</translation>
    </message>
    <message>
        <source>支管外壁与主管内壁相交</source>
        <translation>the branch outside wall meets the main pipe inside wall</translation>
    </message>
    <message>
        <source>支管外径</source>
        <translation>branch OD</translation>
    </message>
    <message>
        <source>支管展开实</source>
        <translation>Branch true</translation>
    </message>
    <message>
        <source>支管展开放样图</source>
        <translation>Branch flat pattern</translation>
    </message>
    <message>
        <source>支管展开长度</source>
        <translation>Branch developed length</translation>
    </message>
    <message>
        <source>支管展开长度 / πd</source>
        <translation>Branch developed length / πd</translation>
    </message>
    <message>
        <source>支管按支管外径的圆周</source>
        <translation>Branch with its OD circumference</translation>
    </message>
    <message>
        <source>支管按支管外径的圆周 πd 展开，以半径 d/2−t 与主管外壁相交；开孔展开在主管外壁上（按主管外径）</source>
        <translation>Branch with its OD circumference πd developed, with radius d/2−t meeting the main pipe&apos;s outside wall; the hole is developed on the main pipe&apos;s outside wall (to the main pipe OD)</translation>
    </message>
    <message>
        <source>支管接缝：</source>
        <translation>Branch seam: </translation>
    </message>
    <message>
        <source>支管素线</source>
        <translation>Branch generators</translation>
    </message>
    <message>
        <source>放样图</source>
        <translation>Layout drawing</translation>
    </message>
    <message>
        <source>文件</source>
        <translation>file</translation>
    </message>
    <message>
        <source>文件“</source>
        <translation>The file &quot;</translation>
    </message>
    <message>
        <source>文件名太长。</source>
        <translation>The file name is too long.</translation>
    </message>
    <message>
        <source>文件夹不存在。</source>
        <translation>The folder does not exist.</translation>
    </message>
    <message>
        <source>文件已存在：</source>
        <translation>The file already exists:</translation>
    </message>
    <message>
        <source>文件？</source>
        <translation>file?</translation>
    </message>
    <message>
        <source>斜接面仍过三管轴线的交点</source>
        <translation>the mitre planes still pass through the meeting point of the three pipe axes</translation>
    </message>
    <message>
        <source>斜管</source>
        <translation>Slanted pipe</translation>
    </message>
    <message>
        <source>斜管展开放样</source>
        <translation>Slanted pipe layout</translation>
    </message>
    <message>
        <source>斜管展开放样 x 2 件</source>
        <translation>Slanted pipe layout x 2 pcs</translation>
    </message>
    <message>
        <source>斜管展开放样图</source>
        <translation>Slanted pipe flat pattern</translation>
    </message>
    <message>
        <source>斜管展开放样图 x 2 件</source>
        <translation>Slanted pipe flat pattern x 2 pcs</translation>
    </message>
    <message>
        <source>方口横向内边长</source>
        <translation>rectangular end inside width</translation>
    </message>
    <message>
        <source>方口横向内边长：</source>
        <translation>Rect. width (in):</translation>
    </message>
    <message>
        <source>方口竖向内边长</source>
        <translation>rectangular end inside depth</translation>
    </message>
    <message>
        <source>方口竖向内边长：</source>
        <translation>Rect. depth (in):</translation>
    </message>
    <message>
        <source>无法保存</source>
        <translation>Cannot save the</translation>
    </message>
    <message>
        <source>无法保存 1:1 样板：</source>
        <translation>Cannot save the 1:1 template:</translation>
    </message>
    <message>
        <source>无法保存CAD展开图：</source>
        <translation>Cannot save the CAD flat pattern:</translation>
    </message>
    <message>
        <source>无法保存展开图：</source>
        <translation>Cannot save the flat pattern:</translation>
    </message>
    <message>
        <source>无法写入文件：</source>
        <translation>Cannot write the file:</translation>
    </message>
    <message>
        <source>日</source>
        <translation> </translation>
    </message>
    <message>
        <source>时</source>
        <translation>:</translation>
    </message>
    <message>
        <source>明</source>
        <translation>me</translation>
    </message>
    <message>
        <source>星期三）</source>
        <translation>Wednesday)</translation>
    </message>
    <message>
        <source>星期五</source>
        <translation>Friday</translation>
    </message>
    <message>
        <source>星期六</source>
        <translation>Saturday</translation>
    </message>
    <message>
        <source>星期四</source>
        <translation>Thursday</translation>
    </message>
    <message>
        <source>是否把窗口图像保存为</source>
        <translation>Save the window&apos;s image as a</translation>
    </message>
    <message>
        <source>是否替换？</source>
        <translation>Replace it?</translation>
    </message>
    <message>
        <source>显示基本数据</source>
        <translation>Basic data</translation>
    </message>
    <message>
        <source>显示数据</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>月</source>
        <translation>-</translation>
    </message>
    <message>
        <source>有三角形不能由它的三边作出，不能生成展开图！</source>
        <translation>A triangle cannot be formed from its three sides: cannot make the flat pattern!</translation>
    </message>
    <message>
        <source>未给</source>
        <translation>Not given</translation>
    </message>
    <message>
        <source>本程序为管道及风管配件的钣金下料展开计算工具。在</source>
        <translation>This program calculates the sheet-metal flat patterns for cutting pipe and duct fittings. In the </translation>
    </message>
    <message>
        <source>本程序为管道及风管配件的钣金下料展开计算工具。在“打开软件”菜单中选择配件：</source>
        <translation>This program calculates the sheet-metal flat patterns for cutting pipe and duct fittings. In the &quot;Fittings&quot; menu, choose a fitting: </translation>
    </message>
    <message>
        <source>板厚</source>
        <translation>plate thickness</translation>
    </message>
    <message>
        <source>板厚须为大于</source>
        <translation>Plate thickness must be greater than</translation>
    </message>
    <message>
        <source>板厚须为大于 0 的数（单位 mm），或者不填。</source>
        <translation>Plate thickness must be a number greater than 0 (in mm), or left empty.</translation>
    </message>
    <message>
        <source>板厚：</source>
        <translation>Plate thickness:</translation>
    </message>
    <message>
        <source>样板</source>
        <translation>template</translation>
    </message>
    <message>
        <source>样板（</source>
        <translation>template (</translation>
    </message>
    <message>
        <source>样板：</source>
        <translation>template:</translation>
    </message>
    <message>
        <source>横边向东偏心：</source>
        <translation>Offset to east:</translation>
    </message>
    <message>
        <source>正心圆锥体</source>
        <translation>Concentric cone</translation>
    </message>
    <message>
        <source>正心圆锥体展开放样</source>
        <translation>Concentric cone layout</translation>
    </message>
    <message>
        <source>正心圆锥体，圆锥台展开放样程序</source>
        <translation>Concentric cone and cone frustum – layout program</translation>
    </message>
    <message>
        <source>正心圆锥体，圆锥台展开放样程序    单位：mm</source>
        <translation>Concentric cone and cone frustum – layout program    Unit: mm</translation>
    </message>
    <message>
        <source>正心圆锥台</source>
        <translation>Concentric cone frustum</translation>
    </message>
    <message>
        <source>正心圆锥台展开放样</source>
        <translation>Concentric cone frustum layout</translation>
    </message>
    <message>
        <source>每件一个文件</source>
        <translation>One file per piece</translation>
    </message>
    <message>
        <source>每等份弧长</source>
        <translation>Arc per division</translation>
    </message>
    <message>
        <source>每等份弧长 =</source>
        <translation>Arc per division =</translation>
    </message>
    <message>
        <source>没有在该位置写入文件的权限。</source>
        <translation>No permission to write a file there.</translation>
    </message>
    <message>
        <source>没有找到打印机。</source>
        <translation>No printer was found.</translation>
    </message>
    <message>
        <source>没有找到打印机。
是否把窗口图像保存为 PDF 文件？</source>
        <translation>No printer was found.
Save the window&apos;s image as a PDF file?</translation>
    </message>
    <message>
        <source>没有钢板厚度，不能按</source>
        <translation>No plate thickness: cannot develop on the</translation>
    </message>
    <message>
        <source>溢出</source>
        <translation>overflow</translation>
    </message>
    <message>
        <source>然后用菜单中的计算命令得出展开数据：圆周各等份处的素线实长、三角形法的实长线、</source>
        <translation>then use the calculate commands of the menu to get the development data: the true lengths of the generators at each girth division, the true-length lines of triangulation, </translation>
    </message>
    <message>
        <source>版本：</source>
        <translation>version:</translation>
    </message>
    <message>
        <source>留小数</source>
        <translation>Decimals</translation>
    </message>
    <message>
        <source>留小数（</source>
        <translation>Decimals (</translation>
    </message>
    <message>
        <source>的一半，端口没有内表面，不能生成展开图！</source>
        <translation>: the end has no inside surface, cannot make the flat pattern!</translation>
    </message>
    <message>
        <source>的倍数（</source>
        <translation> (</translation>
    </message>
    <message>
        <source>的圆周展开；角线和高为内侧实长</source>
        <translation>; corner lines and heights are inside true lengths</translation>
    </message>
    <message>
        <source>的大小端口边长！</source>
        <translation> as side lengths at both ends!</translation>
    </message>
    <message>
        <source>的数（单位</source>
        <translation> (in</translation>
    </message>
    <message>
        <source>的整数倍！</source>
        <translation>!</translation>
    </message>
    <message>
        <source>的直径</source>
        <translation>diameter</translation>
    </message>
    <message>
        <source>的边长、直径和垂直高！</source>
        <translation> for the sides, the diameter and the vertical height!</translation>
    </message>
    <message>
        <source>的面积为零，不能下料，不能生成展开图！</source>
        <translation> has zero area: there is nothing to cut, cannot make the flat pattern!</translation>
    </message>
    <message>
        <source>相邻两节交错（喉部、背部轮流，各节套裁在一条板上）</source>
        <translation>Alternating (throat and heel in turn, all sections nested on one strip of plate)</translation>
    </message>
    <message>
        <source>矩方口向西向北偏移</source>
        <translation>Rectangular end offset west and north</translation>
    </message>
    <message>
        <source>矩方口向西向南偏移</source>
        <translation>Rectangular end offset west and south</translation>
    </message>
    <message>
        <source>矩方口按内边长，圆口按中径</source>
        <translation>Rectangular end developed to its inside sides, round end to the circumference of the mean diameter</translation>
    </message>
    <message>
        <source>矩方口按内边长，圆口按中径 D+t 的圆周展开；角线和高为内侧实长</source>
        <translation>Rectangular end developed to its inside sides, round end to the circumference of the mean diameter D+t; corner lines and heights are inside true lengths</translation>
    </message>
    <message>
        <source>矩方口横向内边长</source>
        <translation>Rectangular end inside width</translation>
    </message>
    <message>
        <source>矩方口横向内边长：</source>
        <translation>Rect. width (in):</translation>
    </message>
    <message>
        <source>矩方口直边总长</source>
        <translation>Rectangular end straight edges, total</translation>
    </message>
    <message>
        <source>矩方口直边总长 / 2(a+b)</source>
        <translation>Rectangular end straight edges, total / 2(a+b)</translation>
    </message>
    <message>
        <source>矩方口纵向内边长</source>
        <translation>rectangular end inside depth</translation>
    </message>
    <message>
        <source>矩方口纵向内边长：</source>
        <translation>Rect. depth (in):</translation>
    </message>
    <message>
        <source>矩方形天圆地方</source>
        <translation>Round top on rectangular bottom transition</translation>
    </message>
    <message>
        <source>矩方形天圆地方含单双偏心放样程序</source>
        <translation>Round top on rectangular bottom, single or double offset – layout program</translation>
    </message>
    <message>
        <source>矩方形天圆地方含单双偏心放样程序    单位：mm</source>
        <translation>Round top on rectangular bottom, single or double offset – layout program    Unit: mm</translation>
    </message>
    <message>
        <source>矩方形天方地圆</source>
        <translation>Rectangular top on round bottom transition</translation>
    </message>
    <message>
        <source>矩方形天方地圆含单双偏心放样程序</source>
        <translation>Rectangular top on round bottom, single or double offset – layout program</translation>
    </message>
    <message>
        <source>矩方形天方地圆含单双偏心放样程序       单位：mm</source>
        <translation>Rectangular top on round bottom, single or double offset – layout program       Unit: mm</translation>
    </message>
    <message>
        <source>矩方锥台</source>
        <translation>Rectangular frustum</translation>
    </message>
    <message>
        <source>矩方锥台展开图</source>
        <translation>Rectangular frustum flat pattern</translation>
    </message>
    <message>
        <source>矩方锥台展开图_</source>
        <translation>Rectangular frustum flat pattern_</translation>
    </message>
    <message>
        <source>矩方锥台放样</source>
        <translation>Rectangular frustum layout</translation>
    </message>
    <message>
        <source>短边（锐角一侧，支管短边处）</source>
        <translation>Short side (acute-angle side, at the branch short side)</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>磁盘空间不足。</source>
        <translation>Not enough disk space.</translation>
    </message>
    <message>
        <source>秒</source>
        <translation> </translation>
    </message>
    <message>
        <source>程序执行默认数据！</source>
        <translation> the program uses its default data!</translation>
    </message>
    <message>
        <source>空格</source>
        <translation>Space</translation>
    </message>
    <message>
        <source>穿过主管处，展开在主管</source>
        <translation>passes through the main pipe, developed on the main pipe&apos;s</translation>
    </message>
    <message>
        <source>竖管</source>
        <translation>Vertical pipe</translation>
    </message>
    <message>
        <source>竖管展开放样</source>
        <translation>Vertical pipe layout</translation>
    </message>
    <message>
        <source>竖管展开放样 x 1 件</source>
        <translation>Vertical pipe layout x 1 pc</translation>
    </message>
    <message>
        <source>竖管展开放样图</source>
        <translation>Vertical pipe flat pattern</translation>
    </message>
    <message>
        <source>竖管展开放样图 x 1 件</source>
        <translation>Vertical pipe flat pattern x 1 pc</translation>
    </message>
    <message>
        <source>端口至圆心垂线</source>
        <translation>End to apex height</translation>
    </message>
    <message>
        <source>端口至圆心垂线 =</source>
        <translation>End to apex height =</translation>
    </message>
    <message>
        <source>端节</source>
        <translation>End section</translation>
    </message>
    <message>
        <source>端节实</source>
        <translation>End section</translation>
    </message>
    <message>
        <source>等份</source>
        <translation>div.</translation>
    </message>
    <message>
        <source>等份数必须在</source>
        <translation>The number of divisions must be from</translation>
    </message>
    <message>
        <source>等份数必须在1到1000之间！</source>
        <translation>The number of divisions must be from 1 to 1000!</translation>
    </message>
    <message>
        <source>等份数必须是</source>
        <translation>The number of divisions must be a multiple of</translation>
    </message>
    <message>
        <source>等份数必须是4的倍数（4～1000）！</source>
        <translation>The number of divisions must be a multiple of 4 (4–1000)!</translation>
    </message>
    <message>
        <source>等份数必须是数字！</source>
        <translation>The number of divisions must be a number!</translation>
    </message>
    <message>
        <source>等份累加数</source>
        <translation>divisions (cum.)</translation>
    </message>
    <message>
        <source>等分线起算），</source>
        <translation>),</translation>
    </message>
    <message>
        <source>等径丫形三通</source>
        <translation>Equal Y-tee</translation>
    </message>
    <message>
        <source>等径丫形三通放样程序</source>
        <translation>Equal Y-tee – layout program</translation>
    </message>
    <message>
        <source>等径丫形三通放样程序          单位：mm</source>
        <translation>Equal Y-tee – layout program          Unit: mm</translation>
    </message>
    <message>
        <source>管Ⅰ</source>
        <translation>Pipe I</translation>
    </message>
    <message>
        <source>管Ⅰ实长过</source>
        <translation>Pipe I true</translation>
    </message>
    <message>
        <source>管Ⅱ</source>
        <translation>Pipe II</translation>
    </message>
    <message>
        <source>管Ⅱ实长过</source>
        <translation>Pipe II true</translation>
    </message>
    <message>
        <source>管道</source>
        <translation>pipe</translation>
    </message>
    <message>
        <source>管道周长</source>
        <translation>Pipe girth</translation>
    </message>
    <message>
        <source>管道周长 =</source>
        <translation>Pipe girth =</translation>
    </message>
    <message>
        <source>管道壁厚不得大于或等于管道外径的一半，没有可展开的管壁！</source>
        <translation>The pipe wall thickness must be less than half the pipe OD: there is no wall to develop!</translation>
    </message>
    <message>
        <source>管道外壁，按管道外径的圆周</source>
        <translation>Pipe outside wall, with the pipe OD circumference</translation>
    </message>
    <message>
        <source>管道外壁，按管道外径的圆周 πD 展开</source>
        <translation>Pipe outside wall, with the pipe OD circumference πD developed</translation>
    </message>
    <message>
        <source>管道外径不能为空！</source>
        <translation>The pipe OD cannot be empty!</translation>
    </message>
    <message>
        <source>管道外径必须大于零！</source>
        <translation>The pipe OD must be greater than zero!</translation>
    </message>
    <message>
        <source>累加数据</source>
        <translation>(cumulative)</translation>
    </message>
    <message>
        <source>纵边向北偏心：</source>
        <translation>Offset to north:</translation>
    </message>
    <message>
        <source>纵边向南偏心：</source>
        <translation>Offset to south:</translation>
    </message>
    <message>
        <source>背部（外侧）</source>
        <translation>Heel (outside)</translation>
    </message>
    <message>
        <source>节</source>
        <translation>sec.</translation>
    </message>
    <message>
        <source>节 ：端节下料2个 ：中间节下料个数=</source>
        <translation>sections : End sections to cut 2 pcs : Middle sections to cut=</translation>
    </message>
    <message>
        <source>菜单中选择配件：</source>
        <translation> menu, choose a fitting: </translation>
    </message>
    <message>
        <source>西</source>
        <translation>W</translation>
    </message>
    <message>
        <source>西北角实线</source>
        <translation>NW corner</translation>
    </message>
    <message>
        <source>西北角（西北角实线</source>
        <translation>NW corner (NW corner lines</translation>
    </message>
    <message>
        <source>西北角（西北角实线 m 居中的一根）</source>
        <translation>NW corner (NW corner lines m, the middle one)</translation>
    </message>
    <message>
        <source>西北面结合实长线</source>
        <translation>NW joint true length</translation>
    </message>
    <message>
        <source>西南角实线</source>
        <translation>SW corner</translation>
    </message>
    <message>
        <source>西南角（西南角实线</source>
        <translation>SW corner (SW corner lines</translation>
    </message>
    <message>
        <source>西南角（西南角实线 L 居中的一根）</source>
        <translation>SW corner (SW corner lines L, the middle one)</translation>
    </message>
    <message>
        <source>西南面结合实长线</source>
        <translation>SW joint true length</translation>
    </message>
    <message>
        <source>西边</source>
        <translation>West side</translation>
    </message>
    <message>
        <source>西边三角面实高</source>
        <translation>West tri. height</translation>
    </message>
    <message>
        <source>西边三角面实高 h3=</source>
        <translation>West tri. height h3=</translation>
    </message>
    <message>
        <source>西边中线（西边三角面实高</source>
        <translation>West side centre line (West tri. height</translation>
    </message>
    <message>
        <source>西边中线（西边三角面实高 h3）</source>
        <translation>West side centre line (West tri. height h3)</translation>
    </message>
    <message>
        <source>西边梯形面实高</source>
        <translation>West face true height</translation>
    </message>
    <message>
        <source>要替换它们吗？</source>
        <translation>Do you want to replace them?</translation>
    </message>
    <message>
        <source>要替换它吗？</source>
        <translation>Do you want to replace it?</translation>
    </message>
    <message>
        <source>计算</source>
        <translation>Calculate</translation>
    </message>
    <message>
        <source>计算中节展开</source>
        <translation>Middle section</translation>
    </message>
    <message>
        <source>计算中节展开 (&amp;c)</source>
        <translation>&amp;Middle section</translation>
    </message>
    <message>
        <source>计算主管展开</source>
        <translation>Main pipe hole</translation>
    </message>
    <message>
        <source>计算主管展开(&amp;A)</source>
        <translation>&amp;Main pipe hole</translation>
    </message>
    <message>
        <source>计算展开</source>
        <translation>Develop</translation>
    </message>
    <message>
        <source>计算展开(&amp;D)</source>
        <translation>&amp;Develop</translation>
    </message>
    <message>
        <source>计算展开(&amp;Z)</source>
        <translation>&amp;Develop</translation>
    </message>
    <message>
        <source>计算展开计算</source>
        <translation>Develop</translation>
    </message>
    <message>
        <source>计算展开计算(&amp;Z)</source>
        <translation>&amp;Develop</translation>
    </message>
    <message>
        <source>计算支管展开</source>
        <translation>Branch</translation>
    </message>
    <message>
        <source>计算支管展开(&amp;Z)</source>
        <translation>&amp;Branch</translation>
    </message>
    <message>
        <source>计算端节展开</source>
        <translation>End section</translation>
    </message>
    <message>
        <source>计算端节展开 (&amp;D)</source>
        <translation>E&amp;nd section</translation>
    </message>
    <message>
        <source>计算等份累加</source>
        <translation>Divisions</translation>
    </message>
    <message>
        <source>计算等份累加 (&amp;Z)</source>
        <translation>&amp;Divisions</translation>
    </message>
    <message>
        <source>计算等份累加数</source>
        <translation>Divisions</translation>
    </message>
    <message>
        <source>计算等份累加数(&amp;D)</source>
        <translation>&amp;Divisions</translation>
    </message>
    <message>
        <source>计算管Ⅰ展开</source>
        <translation>Vertical pipe I</translation>
    </message>
    <message>
        <source>计算管Ⅰ展开(&amp;A)</source>
        <translation>&amp;Vertical pipe I</translation>
    </message>
    <message>
        <source>计算管Ⅱ展开</source>
        <translation>Slanted pipe II</translation>
    </message>
    <message>
        <source>计算管Ⅱ展开(&amp;Z)</source>
        <translation>&amp;Slanted pipe II</translation>
    </message>
    <message>
        <source>计算结果（右列）</source>
        <translation>Results (right column)</translation>
    </message>
    <message>
        <source>计算结果（左列）</source>
        <translation>Results (left column)</translation>
    </message>
    <message>
        <source>该位置只能读取，不能写入。</source>
        <translation>That place can only be read, not written to.</translation>
    </message>
    <message>
        <source>该名称不是普通文件（设备、管道或套接字），不能覆盖。</source>
        <translation>That name is not an ordinary file (it is a device, pipe or socket): it cannot be overwritten.</translation>
    </message>
    <message>
        <source>该名称已是一个文件夹。</source>
        <translation>That name is already a folder.</translation>
    </message>
    <message>
        <source>说</source>
        <translation>Read</translation>
    </message>
    <message>
        <source>说 明</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>说明：板材下料请输入板厚</source>
        <translation>Note: to cut from plate, enter the plate thickness</translation>
    </message>
    <message>
        <source>请加大弯曲半径。</source>
        <translation>Please increase the bend radius.</translation>
    </message>
    <message>
        <source>请您正确输入</source>
        <translation>Please enter a correct</translation>
    </message>
    <message>
        <source>请您正确输入两管之间夹角</source>
        <translation>Please enter a correct angle between the pipes</translation>
    </message>
    <message>
        <source>请您正确输入两管之间夹角,程序执行默认数据！</source>
        <translation>Please enter a correct angle between the pipes, the program uses its default data!</translation>
    </message>
    <message>
        <source>请您正确输入两管夹角，必须大于</source>
        <translation>Please enter a correct angle between the pipes: it must be greater than</translation>
    </message>
    <message>
        <source>请您正确输入两管夹角，必须大于0°且不大于180°！</source>
        <translation>Please enter a correct angle between the pipes: it must be greater than 0° and not more than 180°!</translation>
    </message>
    <message>
        <source>请您正确输入主管壁厚，壁厚不得大于或等于主管外径的一半，否则展开图无法下料！</source>
        <translation>Please enter a correct main pipe wall thickness: it must be less than half the main pipe OD, otherwise the flat pattern cannot be cut!</translation>
    </message>
    <message>
        <source>请您正确输入支管壁厚，壁厚不得大于或等于支管外径的一半，否则展开图无法下料！</source>
        <translation>Please enter a correct branch wall thickness: it must be less than half the branch OD, otherwise the flat pattern cannot be cut!</translation>
    </message>
    <message>
        <source>请您正确输入支管壁厚，支管与主管无法相交！</source>
        <translation>Please enter a correct branch wall thickness: the branch cannot meet the main pipe!</translation>
    </message>
    <message>
        <source>请您正确输入支管外径，不得大于主管外径和小于</source>
        <translation>Please enter a correct branch OD: it must not be larger than the main pipe OD nor negative</translation>
    </message>
    <message>
        <source>请您正确输入支管外径，不得大于主管外径和小于,程序执行默认数据！</source>
        <translation>Please enter a correct branch OD: it must not be larger than the main pipe OD nor negative, the program uses its default data!</translation>
    </message>
    <message>
        <source>请您正确输入支管短边，支管短边必须大于零，否则展开图无法下料！</source>
        <translation>Please enter a correct branch short side: it must be greater than zero, otherwise the flat pattern cannot be cut!</translation>
    </message>
    <message>
        <source>请您正确输入管道长度，管道长度必须大于斜接口到中心点的距离，否则展开图无法下料！</source>
        <translation>Please enter a correct pipe length: it must be greater than the distance from the mitre to the centre point, otherwise the flat pattern cannot be cut!</translation>
    </message>
    <message>
        <source>请您选择</source>
        <translation>Please choose</translation>
    </message>
    <message>
        <source>请输入正确的大端口外径，必须是数字</source>
        <translation>Please enter a correct large end OD; it must be a number</translation>
    </message>
    <message>
        <source>请输入正确的大端横向内边长，必须是数字</source>
        <translation>Please enter a correct large end inside width; it must be a number</translation>
    </message>
    <message>
        <source>请输入正确的小端口外径，不得大于大端口或者等于大端口外径</source>
        <translation>Please enter a correct small end OD; it must be less than the large end OD</translation>
    </message>
    <message>
        <source>请输入正确的小端口外径，小于</source>
        <translation>Please enter a correct small end OD: it is less than</translation>
    </message>
    <message>
        <source>请输入正确的小端口外径，小于0mm</source>
        <translation>Please enter a correct small end OD: it is less than 0 mm</translation>
    </message>
    <message>
        <source>请输入正确的小端口外径，必须是数字</source>
        <translation>Please enter a correct small end OD; it must be a number</translation>
    </message>
    <message>
        <source>请输入正确的弯曲半径，不得小于外径一半！</source>
        <translation>Please enter a correct bend radius: not less than half the OD!</translation>
    </message>
    <message>
        <source>请输入正确的弯曲角度</source>
        <translation>Please enter a correct bend angle in the range</translation>
    </message>
    <message>
        <source>请输入正确的弯曲角度“&gt;0-&lt;359.9”之间!</source>
        <translation>Please enter a correct bend angle in the range &quot;&gt;0-&lt;359.9&quot;!</translation>
    </message>
    <message>
        <source>请输入正确的钢板厚度，不得大于或等于大端口外径</source>
        <translation>Please enter a correct plate thickness; it must be less than the large end OD</translation>
    </message>
    <message>
        <source>输入上下口垂直高：</source>
        <translation>Vertical height:</translation>
    </message>
    <message>
        <source>输入两端垂直高：</source>
        <translation>Vertical height:</translation>
    </message>
    <message>
        <source>输入两管夹角：</source>
        <translation>Angle between pipes:</translation>
    </message>
    <message>
        <source>输入主管外径：</source>
        <translation>Main pipe OD:</translation>
    </message>
    <message>
        <source>输入圆口内直径：</source>
        <translation>Round end ID:</translation>
    </message>
    <message>
        <source>输入圆心向北偏移：</source>
        <translation>Centre offset north:</translation>
    </message>
    <message>
        <source>输入圆心向南偏移：</source>
        <translation>Centre offset south:</translation>
    </message>
    <message>
        <source>输入圆心向西偏移：</source>
        <translation>Centre offset west:</translation>
    </message>
    <message>
        <source>输入大端口外径：</source>
        <translation>Large end OD:</translation>
    </message>
    <message>
        <source>输入小端口外径：</source>
        <translation>Small end OD:</translation>
    </message>
    <message>
        <source>输入弯曲半径：</source>
        <translation>Bend radius:</translation>
    </message>
    <message>
        <source>输入弯曲角度：</source>
        <translation>Bend angle:</translation>
    </message>
    <message>
        <source>输入支管壁厚：</source>
        <translation>Branch wall thickness:</translation>
    </message>
    <message>
        <source>输入支管外径：</source>
        <translation>Branch OD:</translation>
    </message>
    <message>
        <source>输入支管短边：</source>
        <translation>Branch short side:</translation>
    </message>
    <message>
        <source>输入方口向北偏移：</source>
        <translation>Rect. offset N:</translation>
    </message>
    <message>
        <source>输入方口向南偏移：</source>
        <translation>Rect. offset S:</translation>
    </message>
    <message>
        <source>输入方口向西偏移：</source>
        <translation>Rect. offset W:</translation>
    </message>
    <message>
        <source>输入的数值过大！</source>
        <translation>The value entered is too large!</translation>
    </message>
    <message>
        <source>输入的数值过大，计算结果超出范围！</source>
        <translation>The values entered are too large: the results are out of range!</translation>
    </message>
    <message>
        <source>输入的数据无法计算，不能生成展开图！</source>
        <translation>The data entered cannot be calculated: cannot make the flat pattern!</translation>
    </message>
    <message>
        <source>输入管道壁厚：</source>
        <translation>Wall thickness:</translation>
    </message>
    <message>
        <source>输入管道外径：</source>
        <translation>Pipe OD:</translation>
    </message>
    <message>
        <source>输入管道长度：</source>
        <translation>Pipe length:</translation>
    </message>
    <message>
        <source>输入钢板厚度：</source>
        <translation>Plate thickness:</translation>
    </message>
    <message>
        <source>输入钢板壁厚：</source>
        <translation>Plate thickness:</translation>
    </message>
    <message>
        <source>输入锥体垂直高：</source>
        <translation>Cone vertical height:</translation>
    </message>
    <message>
        <source>输方口向北偏移：</source>
        <translation>Rect. offset N:</translation>
    </message>
    <message>
        <source>输方口向西偏移：</source>
        <translation>Rect. offset W:</translation>
    </message>
    <message>
        <source>返回</source>
        <translation>Return</translation>
    </message>
    <message>
        <source>返回(&amp;F)</source>
        <translation>&amp;Return</translation>
    </message>
    <message>
        <source>退</source>
        <translation>back</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>退出 (&amp;X)</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>选择偏心方位</source>
        <translation>Offset direction</translation>
    </message>
    <message>
        <source>选择偏移方位和等份</source>
        <translation>Offset direction and divisions</translation>
    </message>
    <message>
        <source>选择圆周等份</source>
        <translation>Girth divisions</translation>
    </message>
    <message>
        <source>选择圆周等份：</source>
        <translation>Girth divisions:</translation>
    </message>
    <message>
        <source>选择等份：</source>
        <translation>Divisions:</translation>
    </message>
    <message>
        <source>选择（输入）基本数据</source>
        <translation>Basic data (enter or choose)</translation>
    </message>
    <message>
        <source>选择（输入）数据</source>
        <translation>Data (enter or choose)</translation>
    </message>
    <message>
        <source>钢板中性层，按外径减板厚的中径展开</source>
        <translation>Plate mean surface, developed to the mean diameter (OD less plate thickness)</translation>
    </message>
    <message>
        <source>钢板厚度不小于</source>
        <translation>The plate thickness is not less than half the</translation>
    </message>
    <message>
        <source>钢板厚度不小于小端口外径，小端口没有中径，不能生成展开图！</source>
        <translation>The plate thickness is not less than the small end OD: the small end has no mean diameter, cannot make the flat pattern!</translation>
    </message>
    <message>
        <source>钢板厚度不能为空，输入正确的数据</source>
        <translation>The plate thickness cannot be empty; enter correct data</translation>
    </message>
    <message>
        <source>钢板厚度不能小于</source>
        <translation>The plate thickness cannot be less than</translation>
    </message>
    <message>
        <source>钢板厚度不能小于0！</source>
        <translation>The plate thickness cannot be less than 0!</translation>
    </message>
    <message>
        <source>钢管外径</source>
        <translation>Pipe OD</translation>
    </message>
    <message>
        <source>钣金展开放样计算</source>
        <translation>Sheet-metal development and layout</translation>
    </message>
    <message>
        <source>错误：</source>
        <translation>Error:</translation>
    </message>
    <message>
        <source>长数据</source>
        <translation>true lengths</translation>
    </message>
    <message>
        <source>长边（与锐角一侧相对）</source>
        <translation>Long side (opposite the acute-angle side)</translation>
    </message>
    <message>
        <source>长过度线数据</source>
        <translation>generator lengths</translation>
    </message>
    <message>
        <source>页）已保存到：</source>
        <translation>pages) saved to:</translation>
    </message>
    <message>
        <source>骑座式（支管骑在主管上）</source>
        <translation>Set-on (branch sits on the main pipe)</translation>
    </message>
    <message>
        <source>！</source>
        <translation>!</translation>
    </message>
    <message>
        <source>（</source>
        <translation> (</translation>
    </message>
    <message>
        <source>（CAD）展开 (&amp;C)</source>
        <translation>&amp;CAD drawing</translation>
    </message>
    <message>
        <source>（同支管壁厚）</source>
        <translation> (same as the branch wall thickness)</translation>
    </message>
    <message>
        <source>（圆口内直径</source>
        <translation> (round end ID</translation>
    </message>
    <message>
        <source>（壁厚</source>
        <translation> (wall thickness</translation>
    </message>
    <message>
        <source>（折弯线）</source>
        <translation> (bend line)</translation>
    </message>
    <message>
        <source>（按输入的</source>
        <translation> (typed</translation>
    </message>
    <message>
        <source>（按输入的主管外径，主管外表面）</source>
        <translation> (typed main pipe OD, main pipe outside surface)</translation>
    </message>
    <message>
        <source>（接缝尾边）</source>
        <translation> (last seam edge)</translation>
    </message>
    <message>
        <source>（接缝首边）</source>
        <translation> (first seam edge)</translation>
    </message>
    <message>
        <source>（星期一）</source>
        <translation>(Monday)</translation>
    </message>
    <message>
        <source>（星期二）</source>
        <translation>(Tuesday)</translation>
    </message>
    <message>
        <source>（星期日）</source>
        <translation>(Sunday)</translation>
    </message>
    <message>
        <source>）</source>
        <translation>)</translation>
    </message>
    <message>
        <source>）展开</source>
        <translation>) development</translation>
    </message>
    <message>
        <source>）！</source>
        <translation>)!</translation>
    </message>
    <message>
        <source>），不能生成</source>
        <translation>): cannot make the</translation>
    </message>
    <message>
        <source>），或者不填。</source>
        <translation>), or left empty.</translation>
    </message>
    <message>
        <source>），选择圆周等份数和取整数或留小数，</source>
        <translation>), choose the number of girth divisions and integers or decimals, </translation>
    </message>
    <message>
        <source>，</source>
        <translation>, </translation>
    </message>
    <message>
        <source>，不能生成</source>
        <translation>, cannot make the</translation>
    </message>
    <message>
        <source>，主管壁厚</source>
        <translation>, main pipe wall thickness</translation>
    </message>
    <message>
        <source>，共</source>
        <translation>,</translation>
    </message>
    <message>
        <source>，原位置）</source>
        <translation>, original position)</translation>
    </message>
    <message>
        <source>，各面展开后首尾重合，不能生成展开图！</source>
        <translation>: the developed faces overlap end to end, cannot make the flat pattern!</translation>
    </message>
    <message>
        <source>，开孔无法在主管</source>
        <translation>, the hole cannot be developed on the main pipe&apos;s</translation>
    </message>
    <message>
        <source>，按其直径的圆周</source>
        <translation>, with its diameter&apos;s circumference</translation>
    </message>
    <message>
        <source>，按其直径的圆周 πD 展开；</source>
        <translation>, with its diameter&apos;s circumference πD developed; </translation>
    </message>
    <message>
        <source>，支管插不进主管的开孔！请改用骑座式接头或减小支管外径。</source>
        <translation>, so the branch cannot go into the hole in the main pipe! Use a set-on joint or a smaller branch OD.</translation>
    </message>
    <message>
        <source>，窗口列表的中径）</source>
        <translation>, the mean diameter the window lists)</translation>
    </message>
    <message>
        <source>：</source>
        <translation>: </translation>
    </message>
    <message>
        <source>：D =</source>
        <translation>: D =</translation>
    </message>
    <message>
        <source>：中间节下料个数</source>
        <translation>: Middle sections to cut</translation>
    </message>
    <message>
        <source>：弯头节数</source>
        <translation>: Number of sections</translation>
    </message>
    <message>
        <source>：弯曲半径</source>
        <translation>: Bend radius</translation>
    </message>
    <message>
        <source>：弯曲角度</source>
        <translation>: Bend angle</translation>
    </message>
    <message>
        <source>：支管按其直径的圆周</source>
        <translation>: branch with its diameter&apos;s circumference</translation>
    </message>
    <message>
        <source>：支管按其直径的圆周 πd 展开，板端垂直于板面，</source>
        <translation>: branch with its diameter&apos;s circumference πd developed, plate ends square to the plate face, </translation>
    </message>
    <message>
        <source>：端节下料</source>
        <translation>: End sections to cut</translation>
    </message>
    <message>
        <source>：端节角度</source>
        <translation>: End section angle</translation>
    </message>
    <message>
        <source>；开孔为支管</source>
        <translation>; the hole is where the branch</translation>
    </message>
    <message>
        <source>～</source>
        <translation>–</translation>
    </message>
    <message>
        <source>中文</source>
        <translation>中文</translation>
    </message>
    <message>
        <source>复制结果</source>
        <translation>Copy results</translation>
    </message>
    <message>
        <source>复制结果(&amp;R)</source>
        <translation>Copy &amp;results</translation>
    </message>
    <message>
        <source>语言</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>语言/Language</source>
        <translation>语言/Language</translation>
    </message>
    <message>
        <source>&quot;），未打开。</source>
        <translation>&quot;), so it was not opened.</translation>
    </message>
    <message>
        <source>7.85 g/cm³ 计</source>
        <translation>7.85 g/cm³ instead</translation>
    </message>
    <message>
        <source>mm，穿孔</source>
        <translation>mm, pierced</translation>
    </message>
    <message>
        <source>“choices”（导出选项）应为一个对象（{…}）</source>
        <translation>“choices” (export options) should be an object ({…})</translation>
    </message>
    <message>
        <source>“entries”（各项）应为一个数组（[…]），未读入；保存会改写它。</source>
        <translation>“entries” (entries) should be an array ([…]); it was not read, and saving will rewrite it.</translation>
    </message>
    <message>
        <source>“fitting”（配件）应为文字，文件中是</source>
        <translation>“fitting” (fitting) should be text, but the file has</translation>
    </message>
    <message>
        <source>“inputs”（输入）应为一个对象（{…}）</source>
        <translation>“inputs” (inputs) should be an object ({…})</translation>
    </message>
    <message>
        <source>“mark”（件号）应为文字</source>
        <translation>“mark” (mark) should be text</translation>
    </message>
    <message>
        <source>“material”（材料）应有文字“name”和大于 0 的“density”（g/cm³），文件中是</source>
        <translation>“material” (material) should have a text “name” and a value greater than 0 for the “density” (g/cm³), but the file has</translation>
    </message>
    <message>
        <source>“plate-t”只用于没有板厚输入的配件，此配件已有板厚 t</source>
        <translation>“plate-t” is only for fittings without a plate thickness input, and this fitting has its own plate thickness t</translation>
    </message>
    <message>
        <source>“quantity”（数量）应为 1 到</source>
        <translation>“quantity” (quantity) should be from 1 to</translation>
    </message>
    <message>
        <source>”不可用</source>
        <translation>” is not valid</translation>
    </message>
    <message>
        <source>”应为文字或数字，文件中是</source>
        <translation>” should be text or a number, but the file has</translation>
    </message>
    <message>
        <source>”的值</source>
        <translation>”: the value</translation>
    </message>
    <message>
        <source>”的值“</source>
        <translation>”: the value “</translation>
    </message>
    <message>
        <source>”（</source>
        <translation>” (</translation>
    </message>
    <message>
        <source>。</source>
        <translation>.</translation>
    </message>
    <message>
        <source>不可用</source>
        <translation> is not valid</translation>
    </message>
    <message>
        <source>不接受这些输入：</source>
        <translation>does not accept these inputs: </translation>
    </message>
    <message>
        <source>不锈钢</source>
        <translation>Stainless steel</translation>
    </message>
    <message>
        <source>个字节处有误），未打开。</source>
        <translation>it is faulty), so it was not opened.</translation>
    </message>
    <message>
        <source>件号</source>
        <translation>Mark</translation>
    </message>
    <message>
        <source>件，面积</source>
        <translation>pcs, area</translation>
    </message>
    <message>
        <source>任务名称</source>
        <translation>job name</translation>
    </message>
    <message>
        <source>任务文件不是可读的</source>
        <translation>The job file is not readable</translation>
    </message>
    <message>
        <source>任务文件不是可读的 JSON 文本（第</source>
        <translation>The job file is not readable JSON text (at byte</translation>
    </message>
    <message>
        <source>任务文件没有可读的版本号</source>
        <translation>The job file has no readable version number </translation>
    </message>
    <message>
        <source>任务文件没有可读的版本号“version”，未打开。</source>
        <translation>The job file has no readable version number “version”, so it was not opened.</translation>
    </message>
    <message>
        <source>任务文件的版本是</source>
        <translation>The job file is version</translation>
    </message>
    <message>
        <source>任务：</source>
        <translation>Job: </translation>
    </message>
    <message>
        <source>切割长度</source>
        <translation>Cutting length</translation>
    </message>
    <message>
        <source>切割长度 mm</source>
        <translation>Cutting length mm</translation>
    </message>
    <message>
        <source>只用于没有板厚输入的配件，此配件已有板厚</source>
        <translation> is only for fittings without a plate thickness input, and this fitting has its own plate thickness</translation>
    </message>
    <message>
        <source>合计：</source>
        <translation>Totals:</translation>
    </message>
    <message>
        <source>和大于</source>
        <translation> and a value greater than</translation>
    </message>
    <message>
        <source>图号</source>
        <translation>drawing no.</translation>
    </message>
    <message>
        <source>图号：</source>
        <translation>Drawing:</translation>
    </message>
    <message>
        <source>客户</source>
        <translation>customer</translation>
    </message>
    <message>
        <source>客户：</source>
        <translation>Customer:</translation>
    </message>
    <message>
        <source>宽</source>
        <translation>Width</translation>
    </message>
    <message>
        <source>宽 mm</source>
        <translation>Width mm</translation>
    </message>
    <message>
        <source>导出选项</source>
        <translation>Export option </translation>
    </message>
    <message>
        <source>导出选项“</source>
        <translation>Export option “</translation>
    </message>
    <message>
        <source>应为一个对象（</source>
        <translation>It should be an object (</translation>
    </message>
    <message>
        <source>应为一个对象（{…}）</source>
        <translation>It should be an object ({…})</translation>
    </message>
    <message>
        <source>应为文字或数字，文件中是</source>
        <translation> should be text or a number, but the file has</translation>
    </message>
    <message>
        <source>按</source>
        <translation>assuming the material</translation>
    </message>
    <message>
        <source>数量</source>
        <translation>Qty</translation>
    </message>
    <message>
        <source>文本（第</source>
        <translation>text (at byte</translation>
    </message>
    <message>
        <source>未知的字段</source>
        <translation>Unknown field </translation>
    </message>
    <message>
        <source>未知的字段“</source>
        <translation>Unknown field “</translation>
    </message>
    <message>
        <source>未知的导出选项</source>
        <translation>Unknown export option </translation>
    </message>
    <message>
        <source>未知的导出选项“</source>
        <translation>Unknown export option “</translation>
    </message>
    <message>
        <source>未知的配件</source>
        <translation>Unknown fitting </translation>
    </message>
    <message>
        <source>未知的配件“</source>
        <translation>Unknown fitting “</translation>
    </message>
    <message>
        <source>未给板厚，不计重量</source>
        <translation>no plate thickness given, not weighed</translation>
    </message>
    <message>
        <source>未计入：</source>
        <translation>Left out:</translation>
    </message>
    <message>
        <source>材料：</source>
        <translation>Material:</translation>
    </message>
    <message>
        <source>次</source>
        <translation>times</translation>
    </message>
    <message>
        <source>此项未读入，不能展开。</source>
        <translation>This entry was not read and cannot be developed.</translation>
    </message>
    <message>
        <source>没有输入</source>
        <translation>has no input </translation>
    </message>
    <message>
        <source>没有输入“</source>
        <translation>has no input “</translation>
    </message>
    <message>
        <source>的</source>
        <translation>for the </translation>
    </message>
    <message>
        <source>的值</source>
        <translation>: the value </translation>
    </message>
    <message>
        <source>的整数，文件中是</source>
        <translation>as a whole number, but the file has</translation>
    </message>
    <message>
        <source>碳钢</source>
        <translation>Carbon steel</translation>
    </message>
    <message>
        <source>穿孔</source>
        <translation>Pierces</translation>
    </message>
    <message>
        <source>第</source>
        <translation>entry</translation>
    </message>
    <message>
        <source>缺少</source>
        <translation>Missing </translation>
    </message>
    <message>
        <source>缺少“entries”（各项），任务是空的。</source>
        <translation>Missing “entries” (entries): the job is empty.</translation>
    </message>
    <message>
        <source>缺少“fitting”（配件）</source>
        <translation>Missing “fitting” (fitting)</translation>
    </message>
    <message>
        <source>缺少“material”（材料），</source>
        <translation>Missing “material” (material), </translation>
    </message>
    <message>
        <source>缺少“quantity”（数量）</source>
        <translation>Missing “quantity” (quantity)</translation>
    </message>
    <message>
        <source>计</source>
        <translation>instead</translation>
    </message>
    <message>
        <source>输入</source>
        <translation>Input </translation>
    </message>
    <message>
        <source>输入“</source>
        <translation>Input “</translation>
    </message>
    <message>
        <source>这不是任务文件（没有</source>
        <translation>This is not a job file (no</translation>
    </message>
    <message>
        <source>这不是任务文件（没有 &quot;format&quot;: &quot;</source>
        <translation>This is not a job file (no &quot;format&quot;: &quot;</translation>
    </message>
    <message>
        <source>配件</source>
        <translation>Fittings</translation>
    </message>
    <message>
        <source>重量</source>
        <translation>weight</translation>
    </message>
    <message>
        <source>重量 kg</source>
        <translation>Weight kg</translation>
    </message>
    <message>
        <source>铝</source>
        <translation>Aluminium</translation>
    </message>
    <message>
        <source>零件</source>
        <translation>Piece</translation>
    </message>
    <message>
        <source>面积</source>
        <translation>Area</translation>
    </message>
    <message>
        <source>面积 m²</source>
        <translation>Area m²</translation>
    </message>
    <message>
        <source>项</source>
        <translation> </translation>
    </message>
    <message>
        <source>高</source>
        <translation>Height</translation>
    </message>
    <message>
        <source>高 mm</source>
        <translation>Height mm</translation>
    </message>
    <message>
        <source>（件号）应为文字</source>
        <translation> (mark) should be text</translation>
    </message>
    <message>
        <source>（各项）应为一个数组（</source>
        <translation> (entries) should be an array (</translation>
    </message>
    <message>
        <source>（各项），任务是空的。</source>
        <translation> (entries): the job is empty.</translation>
    </message>
    <message>
        <source>（导出选项）应为一个对象（</source>
        <translation> (export options) should be an object (</translation>
    </message>
    <message>
        <source>（尺寸、面积、重量和切割长度均为每件的；数量为该零件的总件数）</source>
        <translation>(Sizes, area, weight and cutting length are per piece; the quantity is the total number of that piece.)</translation>
    </message>
    <message>
        <source>（数量）</source>
        <translation> (quantity)</translation>
    </message>
    <message>
        <source>（数量）应为</source>
        <translation> (quantity) should be from</translation>
    </message>
    <message>
        <source>（无）</source>
        <translation>(none)</translation>
    </message>
    <message>
        <source>（材料）应有文字</source>
        <translation> (material) should have a text </translation>
    </message>
    <message>
        <source>（材料），</source>
        <translation> (material), </translation>
    </message>
    <message>
        <source>（此项已读入，不能展开）</source>
        <translation> (this entry was read but cannot be developed)</translation>
    </message>
    <message>
        <source>（输入）应为一个对象（</source>
        <translation> (inputs) should be an object (</translation>
    </message>
    <message>
        <source>（配件）</source>
        <translation> (fitting)</translation>
    </message>
    <message>
        <source>（配件）应为文字，文件中是</source>
        <translation> (fitting) should be text, but the file has</translation>
    </message>
    <message>
        <source>）应为文字，文件中是</source>
        <translation>) should be text, but the file has</translation>
    </message>
    <message>
        <source>），文件中是</source>
        <translation>), but the file has</translation>
    </message>
    <message>
        <source>），未打开。</source>
        <translation>), so it was not opened.</translation>
    </message>
    <message>
        <source>），未读入；保存会改写它。</source>
        <translation>); it was not read, and saving will rewrite it.</translation>
    </message>
    <message>
        <source>，切割长度</source>
        <translation>, cutting length</translation>
    </message>
    <message>
        <source>，未打开。</source>
        <translation>, so it was not opened.</translation>
    </message>
    <message>
        <source>，未读入；保存会改写它。</source>
        <translation>; it was not read, and saving will rewrite it.</translation>
    </message>
    <message>
        <source>，本程序只读版本</source>
        <translation>, but this program reads only version</translation>
    </message>
    <message>
        <source>，此项未读入。</source>
        <translation>; this entry was not read.</translation>
    </message>
    <message>
        <source>，穿孔</source>
        <translation>, pierced</translation>
    </message>
    <message>
        <source>，重量</source>
        <translation>, weight</translation>
    </message>
    <message>
        <source>：此项未读入</source>
        <translation>: This entry was not read</translation>
    </message>
    <message>
        <source>：配件</source>
        <translation>: Fitting</translation>
    </message>
    <message>
        <source>；保存会改写它。</source>
        <translation>; saving will rewrite it.</translation>
    </message>
    <message>
        <source>CSV 表格 (*.csv)</source>
        <translation>CSV tables (*.csv)</translation>
    </message>
    <message>
        <source>Korvel 任务文件 (*.korvel)</source>
        <translation>Korvel job files (*.korvel)</translation>
    </message>
    <message>
        <source>三通</source>
        <translation>Tee</translation>
    </message>
    <message>
        <source>上移</source>
        <translation>Move up</translation>
    </message>
    <message>
        <source>上移(&amp;U)</source>
        <translation>Move &amp;up</translation>
    </message>
    <message>
        <source>下料任务</source>
        <translation>Job</translation>
    </message>
    <message>
        <source>下料清单</source>
        <translation>Cut list</translation>
    </message>
    <message>
        <source>下移</source>
        <translation>Move down</translation>
    </message>
    <message>
        <source>下移(&amp;W)</source>
        <translation>Move do&amp;wn</translation>
    </message>
    <message>
        <source>不保存</source>
        <translation>Don&apos;t save</translation>
    </message>
    <message>
        <source>丫形三通</source>
        <translation>Y-tee</translation>
    </message>
    <message>
        <source>中有些内容未能读入：</source>
        <translation> could not all be read:</translation>
    </message>
    <message>
        <source>中有未能读入的内容，覆盖它会丢失这些内容。</source>
        <translation> holds what could not be read; overwriting it would lose that.</translation>
    </message>
    <message>
        <source>主要尺寸</source>
        <translation>Main dimensions</translation>
    </message>
    <message>
        <source>任务</source>
        <translation>job</translation>
    </message>
    <message>
        <source>任务(&amp;J)</source>
        <translation>&amp;Job</translation>
    </message>
    <message>
        <source>任务“%1”已经修改。
要保存修改吗？</source>
        <translation>The job &quot;%1&quot; has been changed.
Save the changes?</translation>
    </message>
    <message>
        <source>任务名称：</source>
        <translation>Job name:</translation>
    </message>
    <message>
        <source>任务文件</source>
        <translation>Job file</translation>
    </message>
    <message>
        <source>任务文件“%1”中有些内容未能读入：</source>
        <translation>Some of the job file &quot;%1&quot; could not be read:</translation>
    </message>
    <message>
        <source>任务文件“%1”中有未能读入的内容，覆盖它会丢失这些内容。
要覆盖它吗？（选“否”另存为新文件）</source>
        <translation>The job file &quot;%1&quot; holds what could not be read; overwriting it would lose that.
Overwrite it? (No: save as a new file)</translation>
    </message>
    <message>
        <source>保存(&amp;S)</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>保存任务</source>
        <translation>Save job</translation>
    </message>
    <message>
        <source>保存时会先询问是否覆盖此文件。</source>
        <translation>Saving will ask before overwriting this file.</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>关闭(&amp;C)</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>其他材料</source>
        <translation>Other material</translation>
    </message>
    <message>
        <source>则加入新的一项）</source>
        <translation> a new entry is added)</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>删除(&amp;R)</source>
        <translation>&amp;Remove</translation>
    </message>
    <message>
        <source>加入任务</source>
        <translation>Add to job</translation>
    </message>
    <message>
        <source>加入任务(&amp;J)</source>
        <translation>Add to &amp;job</translation>
    </message>
    <message>
        <source>另存为</source>
        <translation>Save as</translation>
    </message>
    <message>
        <source>另存为(&amp;A)…</source>
        <translation>Save &amp;as…</translation>
    </message>
    <message>
        <source>另存为新文件）</source>
        <translation> save as a new file)</translation>
    </message>
    <message>
        <source>否</source>
        <translation>No</translation>
    </message>
    <message>
        <source>复制一项</source>
        <translation>Duplicate</translation>
    </message>
    <message>
        <source>复制一项(&amp;D)</source>
        <translation>&amp;Duplicate</translation>
    </message>
    <message>
        <source>密度</source>
        <translation>Density</translation>
    </message>
    <message>
        <source>导出 CSV(&amp;V)…</source>
        <translation>Export CS&amp;V…</translation>
    </message>
    <message>
        <source>导出下料清单</source>
        <translation>Export cut list</translation>
    </message>
    <message>
        <source>已经修改。</source>
        <translation> has been changed.</translation>
    </message>
    <message>
        <source>打印下料清单</source>
        <translation>Print cut list</translation>
    </message>
    <message>
        <source>打印下料清单(&amp;P)…</source>
        <translation>&amp;Print cut list…</translation>
    </message>
    <message>
        <source>打开任务</source>
        <translation>Open job</translation>
    </message>
    <message>
        <source>打开任务(&amp;O)…</source>
        <translation>&amp;Open job…</translation>
    </message>
    <message>
        <source>打开任务…</source>
        <translation>Open job…</translation>
    </message>
    <message>
        <source>打开配件</source>
        <translation>Open fitting</translation>
    </message>
    <message>
        <source>打开配件(&amp;O)</source>
        <translation>&amp;Open fitting</translation>
    </message>
    <message>
        <source>数量应为</source>
        <translation>The quantity must be</translation>
    </message>
    <message>
        <source>数量应为 1 到 1000000 的整数。</source>
        <translation>The quantity must be a whole number from 1 to 1000000.</translation>
    </message>
    <message>
        <source>新建任务</source>
        <translation>New job</translation>
    </message>
    <message>
        <source>新建任务(&amp;N)</source>
        <translation>&amp;New job</translation>
    </message>
    <message>
        <source>无法保存下料清单：</source>
        <translation>Cannot save the cut list:</translation>
    </message>
    <message>
        <source>无法保存任务：</source>
        <translation>Cannot save the job:</translation>
    </message>
    <message>
        <source>无法打开任务文件</source>
        <translation>Cannot open the job file</translation>
    </message>
    <message>
        <source>无法打开任务文件“%1”：</source>
        <translation>Cannot open the job file &quot;%1&quot;:</translation>
    </message>
    <message>
        <source>无法打开任务文件“%1”：%2</source>
        <translation>Cannot open the job file &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>最近的任务</source>
        <translation>Recent jobs</translation>
    </message>
    <message>
        <source>最近的任务(&amp;R)</source>
        <translation>&amp;Recent jobs</translation>
    </message>
    <message>
        <source>未命名</source>
        <translation>Untitled</translation>
    </message>
    <message>
        <source>未能读入</source>
        <translation>Could not be read</translation>
    </message>
    <message>
        <source>未读入</source>
        <translation>Not read</translation>
    </message>
    <message>
        <source>材料名称</source>
        <translation>Material name</translation>
    </message>
    <message>
        <source>条目</source>
        <translation>Entry</translation>
    </message>
    <message>
        <source>条目(&amp;E)</source>
        <translation>&amp;Entry</translation>
    </message>
    <message>
        <source>此项未能读入，不能打开。</source>
        <translation>This entry could not be read and cannot be opened.</translation>
    </message>
    <message>
        <source>此项未读入，保存时原样保留。</source>
        <translation>This entry was not read; saving keeps it as it stands.</translation>
    </message>
    <message>
        <source>的整数。</source>
        <translation> a whole number.</translation>
    </message>
    <message>
        <source>表格</source>
        <translation>tables</translation>
    </message>
    <message>
        <source>要保存修改吗？</source>
        <translation>Save the changes?</translation>
    </message>
    <message>
        <source>要写回第</source>
        <translation>Write them back to entry</translation>
    </message>
    <message>
        <source>要覆盖它吗？（选</source>
        <translation>Overwrite it? (</translation>
    </message>
    <message>
        <source>输入有误</source>
        <translation>Inputs refused</translation>
    </message>
    <message>
        <source>这些输入来自任务的</source>
        <translation>These inputs came from the job&apos;s</translation>
    </message>
    <message>
        <source>这些输入来自任务的%1。
要写回第 %2 项吗？（选“否”则加入新的一项）</source>
        <translation>These inputs came from the job&apos;s %1.
Write them back to entry %2? (No: add a new entry)</translation>
    </message>
    <message>
        <source>项吗？（选</source>
        <translation>? (</translation>
    </message>
    <message>
        <source>；</source>
        <translation>; </translation>
    </message>
    <message>
        <source>mm 不小于钢板可用的宽度，放不下任何零件</source>
        <translation>mm is not less than the plate&apos;s usable width: no part fits</translation>
    </message>
    <message>
        <source>mm 使</source>
        <translation>mm leaves the</translation>
    </message>
    <message>
        <source>mm 的钢板没有可用的地方</source>
        <translation>mm plate no usable room</translation>
    </message>
    <message>
        <source>mm），需先分割</source>
        <translation>mm): split it first</translation>
    </message>
    <message>
        <source>mm，可用</source>
        <translation>mm, usable</translation>
    </message>
    <message>
        <source>不小于钢板可用的宽度，放不下任何零件</source>
        <translation>is not less than the plate&apos;s usable width: no part fits</translation>
    </message>
    <message>
        <source>之间：</source>
        <translation>: </translation>
    </message>
    <message>
        <source>件，一次最多排</source>
        <translation>parts; one nest takes at most</translation>
    </message>
    <message>
        <source>使</source>
        <translation>leaves the</translation>
    </message>
    <message>
        <source>排不进钢板（加上间隙后比钢板可用尺寸大），需先分割</source>
        <translation>does not go on the plate (with the gap it is larger than the plate&apos;s usable size): split it first</translation>
    </message>
    <message>
        <source>比钢板可用尺寸大（</source>
        <translation>is larger than the plate&apos;s usable size (</translation>
    </message>
    <message>
        <source>的数：</source>
        <translation>: </translation>
    </message>
    <message>
        <source>的钢板没有可用的地方</source>
        <translation>plate no usable room</translation>
    </message>
    <message>
        <source>转角数须在</source>
        <translation>The rotations must be between</translation>
    </message>
    <message>
        <source>转角数须在 1 到 360 之间：</source>
        <translation>The rotations must be from 1 to 360: </translation>
    </message>
    <message>
        <source>边距</source>
        <translation>A margin of</translation>
    </message>
    <message>
        <source>边距不能为负数：</source>
        <translation>The margin cannot be negative: </translation>
    </message>
    <message>
        <source>钢板尺寸必须是大于</source>
        <translation>The plate&apos;s sizes must be numbers greater than</translation>
    </message>
    <message>
        <source>钢板尺寸必须是大于 0 的数：</source>
        <translation>The plate&apos;s sizes must be numbers greater than 0: </translation>
    </message>
    <message>
        <source>间隙</source>
        <translation>A gap of</translation>
    </message>
    <message>
        <source>间隙不能为负数：</source>
        <translation>The gap cannot be negative: </translation>
    </message>
    <message>
        <source>零件太多：</source>
        <translation>Too many parts: </translation>
    </message>
    <message>
        <source>），需先分割</source>
        <translation>): split it first</translation>
    </message>
    <message>
        <source>，可用</source>
        <translation>, usable</translation>
    </message>
    <message>
        <source>kg，余料</source>
        <translation>kg, offcuts</translation>
    </message>
    <message>
        <source>kg，钢板</source>
        <translation>kg, plates</translation>
    </message>
    <message>
        <source>mm，利用率</source>
        <translation>mm, utilisation</translation>
    </message>
    <message>
        <source>件，总利用率</source>
        <translation>pcs, utilisation overall</translation>
    </message>
    <message>
        <source>张</source>
        <translation>plates</translation>
    </message>
    <message>
        <source>张钢板，</source>
        <translation>plates, </translation>
    </message>
    <message>
        <source>未给板厚</source>
        <translation>no plate thickness</translation>
    </message>
    <message>
        <source>未给板厚的零件</source>
        <translation>Parts without a plate thickness</translation>
    </message>
    <message>
        <source>，不计重量</source>
        <translation>, no weight</translation>
    </message>
    <message>
        <source>，余料</source>
        <translation>, offcuts</translation>
    </message>
    <message>
        <source>，利用率</source>
        <translation>, utilisation</translation>
    </message>
    <message>
        <source>，钢板</source>
        <translation>, plates</translation>
    </message>
    <message>
        <source>，零件</source>
        <translation>, parts</translation>
    </message>
    <message>
        <source>mm），沿素线和折线也无法分割到钢板以内</source>
        <translation>mm), and splitting it along its generators and bends cannot bring it within the plate</translation>
    </message>
    <message>
        <source>），沿素线和折线也无法分割到钢板以内</source>
        <translation>), and splitting it along its generators and bends cannot bring it within the plate</translation>
    </message>
    <message>
        <source>mm 的钢板：</source>
        <translation>mm plate: </translation>
    </message>
    <message>
        <source>mm。</source>
        <translation>mm.</translation>
    </message>
    <message>
        <source>”）</source>
        <translation>&quot;)</translation>
    </message>
    <message>
        <source>上一张</source>
        <translation>Previous</translation>
    </message>
    <message>
        <source>下一张</source>
        <translation>Next</translation>
    </message>
    <message>
        <source>不排料的项：</source>
        <translation>Entries not nested: </translation>
    </message>
    <message>
        <source>个文件，</source>
        <translation>files,</translation>
    </message>
    <message>
        <source>件数</source>
        <translation>Parts</translation>
    </message>
    <message>
        <source>件，利用率</source>
        <translation>parts, utilisation</translation>
    </message>
    <message>
        <source>任务中没有可排料的零件。</source>
        <translation>The job has no parts to nest.</translation>
    </message>
    <message>
        <source>余料</source>
        <translation>offcut</translation>
    </message>
    <message>
        <source>余料 kg</source>
        <translation>Offcut kg</translation>
    </message>
    <message>
        <source>保存排料文件</source>
        <translation>Save Nest Files</translation>
    </message>
    <message>
        <source>保存排料文件…</source>
        <translation>Save Nest Files…</translation>
    </message>
    <message>
        <source>共</source>
        <translation>In all</translation>
    </message>
    <message>
        <source>分割接缝余量应为数字（</source>
        <translation>The split seam allowance must be a number (</translation>
    </message>
    <message>
        <source>分割接缝余量应为数字（“</source>
        <translation>The split seam allowance must be a number (&quot;</translation>
    </message>
    <message>
        <source>分割接缝余量应在</source>
        <translation>The split seam allowance must be between</translation>
    </message>
    <message>
        <source>分割接缝余量应在 0 到 1000 mm 之间：</source>
        <translation>The split seam allowance must be between 0 and 1000 mm:</translation>
    </message>
    <message>
        <source>分割接缝余量：</source>
        <translation>Split seam allowance:</translation>
    </message>
    <message>
        <source>利用率</source>
        <translation>Utilisation</translation>
    </message>
    <message>
        <source>只导出切割线</source>
        <translation>Cut lines only</translation>
    </message>
    <message>
        <source>宽度应为数字（</source>
        <translation>The width must be a number (</translation>
    </message>
    <message>
        <source>宽度应为数字（“</source>
        <translation>The width must be a number (&quot;</translation>
    </message>
    <message>
        <source>尚未排料</source>
        <translation>Not nested yet</translation>
    </message>
    <message>
        <source>尺寸</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>已取消排料</source>
        <translation>Nesting cancelled</translation>
    </message>
    <message>
        <source>开始排料</source>
        <translation>Start Nesting</translation>
    </message>
    <message>
        <source>张钢板</source>
        <translation>plates</translation>
    </message>
    <message>
        <source>张钢板。</source>
        <translation>plates.</translation>
    </message>
    <message>
        <source>张：</source>
        <translation>plate: </translation>
    </message>
    <message>
        <source>排料</source>
        <translation>Nesting</translation>
    </message>
    <message>
        <source>排料(&amp;L)…</source>
        <translation>Nest on P&amp;lates…</translation>
    </message>
    <message>
        <source>排料完成：</source>
        <translation>Nesting done: </translation>
    </message>
    <message>
        <source>排料完成：%1 张钢板</source>
        <translation>Nesting done: %1 plates</translation>
    </message>
    <message>
        <source>排料文件已保存到：</source>
        <translation>The nest files were saved to:</translation>
    </message>
    <message>
        <source>无法保存排料文件：</source>
        <translation>Could not save the nest files:</translation>
    </message>
    <message>
        <source>未给板厚的钢板：</source>
        <translation>Plate for parts with no thickness: </translation>
    </message>
    <message>
        <source>未给板厚：</source>
        <translation>No thickness given: </translation>
    </message>
    <message>
        <source>未能排料</source>
        <translation>Could not nest</translation>
    </message>
    <message>
        <source>未能排料：</source>
        <translation>Could not nest: </translation>
    </message>
    <message>
        <source>材料</source>
        <translation>Material</translation>
    </message>
    <message>
        <source>板厚 %1 mm：</source>
        <translation>Thickness %1 mm:</translation>
    </message>
    <message>
        <source>正在取消排料</source>
        <translation>Cancelling the nest</translation>
    </message>
    <message>
        <source>正在取消排料…</source>
        <translation>Cancelling the nest…</translation>
    </message>
    <message>
        <source>正在排料</source>
        <translation>Nesting</translation>
    </message>
    <message>
        <source>正在排料…</source>
        <translation>Nesting…</translation>
    </message>
    <message>
        <source>的钢板：</source>
        <translation>plate: </translation>
    </message>
    <message>
        <source>第 %1 / %2 张：%3 %4，%5 × %6 mm，%7 件，利用率 %8</source>
        <translation>Plate %1 / %2: %3 %4, %5 × %6 mm, %7 parts, utilisation %8</translation>
    </message>
    <message>
        <source>自定义</source>
        <translation>Custom</translation>
    </message>
    <message>
        <source>转角</source>
        <translation>Turn</translation>
    </message>
    <message>
        <source>转角 %1°</source>
        <translation>Turn %1°</translation>
    </message>
    <message>
        <source>转角：</source>
        <translation>Turns:</translation>
    </message>
    <message>
        <source>边距应为数字（</source>
        <translation>The margin must be a number (</translation>
    </message>
    <message>
        <source>边距应为数字（“</source>
        <translation>The margin must be a number (&quot;</translation>
    </message>
    <message>
        <source>边距：</source>
        <translation>Margin:</translation>
    </message>
    <message>
        <source>钢板</source>
        <translation>Plate</translation>
    </message>
    <message>
        <source>钢板重量</source>
        <translation>Plate weight</translation>
    </message>
    <message>
        <source>钢板重量 kg</source>
        <translation>Plate kg</translation>
    </message>
    <message>
        <source>钢板（每种板厚）</source>
        <translation>Plates (for each thickness)</translation>
    </message>
    <message>
        <source>长度应为数字（</source>
        <translation>The length must be a number (</translation>
    </message>
    <message>
        <source>长度应为数字（“</source>
        <translation>The length must be a number (&quot;</translation>
    </message>
    <message>
        <source>间隙应为数字（</source>
        <translation>The gap must be a number (</translation>
    </message>
    <message>
        <source>间隙应为数字（“</source>
        <translation>The gap must be a number (&quot;</translation>
    </message>
    <message>
        <source>间隙：</source>
        <translation>Gap:</translation>
    </message>
    <message>
        <source>零件重量</source>
        <translation>Parts weight</translation>
    </message>
    <message>
        <source>零件重量 kg</source>
        <translation>Parts kg</translation>
    </message>
    <message>
        <source>正在保存</source>
        <translation>Saving</translation>
    </message>
    <message>
        <source>正在保存CAD展开图…</source>
        <translation>Saving the CAD flat pattern…</translation>
    </message>
    <message>
        <source>正在保存展开图</source>
        <translation>Saving the flat pattern</translation>
    </message>
    <message>
        <source>正在保存展开图…</source>
        <translation>Saving the flat pattern…</translation>
    </message>
    <message>
        <source>正在打印</source>
        <translation>Printing</translation>
    </message>
    <message>
        <source>正在打印 1:1 样板…</source>
        <translation>Printing the 1:1 template…</translation>
    </message>
    <message>
        <source>正在生成</source>
        <translation>Making</translation>
    </message>
    <message>
        <source>正在生成 1:1 样板…</source>
        <translation>Making the 1:1 template…</translation>
    </message>
    <message>
        <source>第 %1 / %2 页</source>
        <translation>page %1 of %2</translation>
    </message>
    <message>
        <source>页</source>
        <translation>page</translation>
    </message>
    <message>
        <source>PDF 文件（</source>
        <translation>PDF file (</translation>
    </message>
    <message>
        <source>mm 修正</source>
        <translation>mm (corrected)</translation>
    </message>
    <message>
        <source>mm，超出 90～110 mm：这不是打印机的误差，而是打印时缩放了。</source>
        <translation>mm, outside 90–110 mm: no printer is that far out, the print was scaled.</translation>
    </message>
    <message>
        <source>。
用钢尺量方框的宽和高，填入量得的尺寸（mm，精确到 0.1）：</source>
        <translation>.
Measure the square&apos;s width and height with a steel rule and type them (mm, to 0.1):</translation>
    </message>
    <message>
        <source>保存为 PDF（</source>
        <translation>Saved as PDF (</translation>
    </message>
    <message>
        <source>修正</source>
        <translation>(corrected)</translation>
    </message>
    <message>
        <source>实际大小重新打印校准页，再量一次。</source>
        <translation>actual size: print the calibration page again and measure again.</translation>
    </message>
    <message>
        <source>宽（左右）</source>
        <translation>Width (across)</translation>
    </message>
    <message>
        <source>宽（左右）mm：</source>
        <translation>Width (across) mm:</translation>
    </message>
    <message>
        <source>已按校准</source>
        <translation>Calibrated at</translation>
    </message>
    <message>
        <source>已校准。</source>
        <translation>is calibrated.</translation>
    </message>
    <message>
        <source>打印机</source>
        <translation>Printer</translation>
    </message>
    <message>
        <source>打印校准</source>
        <translation>Printer calibration</translation>
    </message>
    <message>
        <source>打印校准…</source>
        <translation>Calibrate printer…</translation>
    </message>
    <message>
        <source>打印校准（修正打印机的缩放）：</source>
        <translation>Printer calibration (corrects a printer&apos;s scaling):</translation>
    </message>
    <message>
        <source>文件（</source>
        <translation>file (</translation>
    </message>
    <message>
        <source>未校准，按</source>
        <translation>not calibrated, at</translation>
    </message>
    <message>
        <source>未校准，按 1:1 输出</source>
        <translation>not calibrated, at 1:1</translation>
    </message>
    <message>
        <source>校准页已送往</source>
        <translation>The calibration page went to</translation>
    </message>
    <message>
        <source>样板按此打印。</source>
        <translation>templates print with it.</translation>
    </message>
    <message>
        <source>清除校准</source>
        <translation>Clear calibration</translation>
    </message>
    <message>
        <source>用钢尺量方框的宽和高，填入量得的尺寸（</source>
        <translation>Measure the square&apos;s width and height with a steel rule and type them (</translation>
    </message>
    <message>
        <source>请在打印对话框中关闭</source>
        <translation>In the print dialog turn off</translation>
    </message>
    <message>
        <source>请在打印对话框中关闭“适合页面”，按 100% 实际大小重新打印校准页，再量一次。</source>
        <translation>In the print dialog turn off &quot;Fit to page&quot;, print the calibration page again at 100% actual size and measure again.</translation>
    </message>
    <message>
        <source>请填入量得的宽和高，单位</source>
        <translation>Please type the measured width and height, in</translation>
    </message>
    <message>
        <source>请填入量得的宽和高，单位 mm，例如 99.2。</source>
        <translation>Please type the measured width and height, in mm, for example 99.2.</translation>
    </message>
    <message>
        <source>输出</source>
        <translation>output</translation>
    </message>
    <message>
        <source>适合页面</source>
        <translation>Fit to page</translation>
    </message>
    <message>
        <source>量得</source>
        <translation>Measured</translation>
    </message>
    <message>
        <source>页，</source>
        <translation>pages,</translation>
    </message>
    <message>
        <source>高（上下）</source>
        <translation>Height (down)</translation>
    </message>
    <message>
        <source>高（上下）mm：</source>
        <translation>Height (down) mm:</translation>
    </message>
    <message>
        <source>）已保存到：</source>
        <translation>) saved to:</translation>
    </message>
    <message>
        <source>）：</source>
        <translation>): </translation>
    </message>
    <message>
        <source>，例如</source>
        <translation>, for example</translation>
    </message>
    <message>
        <source>，按</source>
        <translation>, print at</translation>
    </message>
    <message>
        <source>，精确到</source>
        <translation>, to</translation>
    </message>
    <message>
        <source>，超出</source>
        <translation>, outside</translation>
    </message>
    <message>
        <source>：以后的</source>
        <translation>: from now on</translation>
    </message>
    <message>
        <source>：以后的 1:1 样板按此打印。</source>
        <translation>: from now on 1:1 templates print with it.</translation>
    </message>
    <message>
        <source>：这不是打印机的误差，而是打印时缩放了。</source>
        <translation>: no printer is that far out, the print was scaled.</translation>
    </message>
    <message>
        <source>不转</source>
        <translation>Not turned</translation>
    </message>
    <message>
        <source>卷筒纸</source>
        <translation>Roll</translation>
    </message>
    <message>
        <source>图案转向：</source>
        <translation>Pattern turn:</translation>
    </message>
    <message>
        <source>样板按实际大小分页打印（卷筒纸则打成一长页）。请选择纸张：</source>
        <translation>The template is printed at actual size over several pages (on a roll, as one long page). Choose the paper:</translation>
    </message>
    <message>
        <source>横向</source>
        <translation>Landscape</translation>
    </message>
    <message>
        <source>纵向</source>
        <translation>Portrait</translation>
    </message>
    <message>
        <source>纸张方向：</source>
        <translation>Page orientation:</translation>
    </message>
    <message>
        <source>自动（页数最少）</source>
        <translation>Automatic (fewest pages)</translation>
    </message>
    <message>
        <source>转</source>
        <translation>turned</translation>
    </message>
    <message>
        <source>转 90°</source>
        <translation>Turned 90°</translation>
    </message>
    <message>
        <source>更多管件</source>
        <translation>More fittings</translation>
    </message>
    <message>
        <source>更多管件(&amp;M)</source>
        <translation>&amp;More fittings</translation>
    </message>
    <message>
        <source>个文件</source>
        <translation>files</translation>
    </message>
    <message>
        <source>打印校准(&amp;K)</source>
        <translation>Cal&amp;ibrate printer</translation>
    </message>
    <message>
        <source>校准</source>
        <translation>Calibrate</translation>
    </message>
    <message>
        <source>正在保存下料清单</source>
        <translation>Saving the cut list</translation>
    </message>
    <message>
        <source>正在保存下料清单…</source>
        <translation>Saving the cut list…</translation>
    </message>
    <message>
        <source>正在保存排料文件</source>
        <translation>Saving the nest files</translation>
    </message>
    <message>
        <source>正在保存排料文件…</source>
        <translation>Saving the nest files…</translation>
    </message>
    <message>
        <source>正在生成下料清单</source>
        <translation>Making the cut list</translation>
    </message>
    <message>
        <source>正在生成下料清单…</source>
        <translation>Making the cut list…</translation>
    </message>
    <message>
        <source>第 %1 / %2 个文件</source>
        <translation>file %1 of %2</translation>
    </message>
    <message>
        <source>mm   出口周长 =</source>
        <translation>mm   outlet girth =</translation>
    </message>
    <message>
        <source>mm   弯头重量 =</source>
        <translation>mm   elbow weight =</translation>
    </message>
    <message>
        <source>上口</source>
        <translation>top edge</translation>
    </message>
    <message>
        <source>两管口直径相差过大，弯头内侧（喉部）素线长度为零或折叠！</source>
        <translation>The two ends differ too much in diameter: the elbow&apos;s inner side (throat) has a generator of no length or folds over!</translation>
    </message>
    <message>
        <source>仍为弯头中心线的半径</source>
        <translation>stays the radius of the elbow&apos;s centre line</translation>
    </message>
    <message>
        <source>出口周长</source>
        <translation>Outlet girth</translation>
    </message>
    <message>
        <source>出口外径</source>
        <translation>outlet outside diameter</translation>
    </message>
    <message>
        <source>出口外径不能为空！</source>
        <translation>The outlet outside diameter cannot be empty!</translation>
    </message>
    <message>
        <source>出口外径必须大于零！</source>
        <translation>The outlet outside diameter must be greater than zero!</translation>
    </message>
    <message>
        <source>出口端节</source>
        <translation>Outlet end section</translation>
    </message>
    <message>
        <source>变径分节弯头放样程序</source>
        <translation>Reducing segmented elbow – layout program</translation>
    </message>
    <message>
        <source>变径分节弯头放样程序    单位：mm</source>
        <translation>Reducing segmented elbow – layout program    Unit: mm</translation>
    </message>
    <message>
        <source>变径弯头</source>
        <translation>Reducing segmented elbow</translation>
    </message>
    <message>
        <source>变径弯头各节展开图</source>
        <translation>Reducing elbow: developed sections</translation>
    </message>
    <message>
        <source>变径弯头展开图</source>
        <translation>Reducing elbow pattern</translation>
    </message>
    <message>
        <source>变径弯头展开图_D</source>
        <translation>Reducing elbow pattern_D</translation>
    </message>
    <message>
        <source>变径弯头放样</source>
        <translation>Reducing segmented elbow layout</translation>
    </message>
    <message>
        <source>变径弯头立面（弯曲平面）</source>
        <translation>Reducing elbow elevation (bend plane)</translation>
    </message>
    <message>
        <source>各节下口</source>
        <translation>each section&apos;s bottom edge</translation>
    </message>
    <message>
        <source>各节下口a上口b弦长</source>
        <translation>Chords: bottom a, top b</translation>
    </message>
    <message>
        <source>各节展开图</source>
        <translation>Developed sections</translation>
    </message>
    <message>
        <source>各节展开图(&amp;Z)</source>
        <translation>Developed &amp;sections</translation>
    </message>
    <message>
        <source>各节素线实长</source>
        <translation>Generator true lengths</translation>
    </message>
    <message>
        <source>展开长度 / πD1</source>
        <translation>developed length / πD1</translation>
    </message>
    <message>
        <source>展开长度 / πD2</source>
        <translation>developed length / πD2</translation>
    </message>
    <message>
        <source>展开长度 / 接口椭圆周长</source>
        <translation>developed length / joint ellipse perimeter</translation>
    </message>
    <message>
        <source>弯头中心线的弯曲半径</source>
        <translation>Bend radius of the elbow&apos;s centre line</translation>
    </message>
    <message>
        <source>弯头节数必须是2～20的整数！</source>
        <translation>The number of sections must be a whole number from 2 to 20!</translation>
    </message>
    <message>
        <source>弯曲半径必须大于较大管口外径的一半，否则弯头内侧（喉部）折叠！</source>
        <translation>The bend radius must be greater than half the larger outside diameter, or the elbow&apos;s inner side (throat) folds over!</translation>
    </message>
    <message>
        <source>接口</source>
        <translation>joint</translation>
    </message>
    <message>
        <source>接口椭圆周长</source>
        <translation>joint ellipse perimeter</translation>
    </message>
    <message>
        <source>的整数！</source>
        <translation> whole number!</translation>
    </message>
    <message>
        <source>等份数必须是4的倍数（8～100）！</source>
        <translation>The number of divisions must be a multiple of 4 (8 to 100)!</translation>
    </message>
    <message>
        <source>管道壁厚不得大于或等于较小管口外径的一半，没有可展开的管壁！</source>
        <translation>The wall must be thinner than half the smaller outside diameter: there is no wall to develop!</translation>
    </message>
    <message>
        <source>管道壁厚不能小于零，且必须小于较小管口外径的一半！</source>
        <translation>The wall thickness cannot be below zero and must be less than half the smaller outside diameter!</translation>
    </message>
    <message>
        <source>管道外壁，按管口外径展开</source>
        <translation>Pipe outside wall, developed on the ends&apos; outside diameters</translation>
    </message>
    <message>
        <source>请加大弯曲半径或弯曲角度，或减少节数。</source>
        <translation>Increase the bend radius or the bend angle, or use fewer sections.</translation>
    </message>
    <message>
        <source>请输入正确的弯曲角度“&gt;0-≤180”之间！</source>
        <translation>Enter a correct bend angle, “&gt;0 to ≤180”!</translation>
    </message>
    <message>
        <source>输入出口外径：</source>
        <translation>Outlet outside diameter:</translation>
    </message>
    <message>
        <source>输入进口外径：</source>
        <translation>Inlet outside diameter:</translation>
    </message>
    <message>
        <source>进口周长</source>
        <translation>Inlet girth</translation>
    </message>
    <message>
        <source>进口周长 =</source>
        <translation>Inlet girth =</translation>
    </message>
    <message>
        <source>进口外径</source>
        <translation>inlet outside diameter</translation>
    </message>
    <message>
        <source>进口外径不能为空！</source>
        <translation>The inlet outside diameter cannot be empty!</translation>
    </message>
    <message>
        <source>进口外径必须大于零！</source>
        <translation>The inlet outside diameter must be greater than zero!</translation>
    </message>
    <message>
        <source>进口端节</source>
        <translation>Inlet end section</translation>
    </message>
    <message>
        <source>选择弯头节数：</source>
        <translation>Number of sections:</translation>
    </message>
    <message>
        <source>；弯曲半径</source>
        <translation>; bend radius</translation>
    </message>
    <message>
        <source>；弯曲半径 R 仍为弯头中心线的半径</source>
        <translation>; the bend radius R stays the radius of the elbow&apos;s centre line</translation>
    </message>
</context>
</TS>
