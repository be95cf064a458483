<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>Command</name>
    <message>
        <source>New(&amp;N)</source>
        <translation>新建(&amp;N)</translation>
    </message>
    <message>
        <source>Create a new document
New</source>
        <translation>创建新文档
新建</translation>
    </message>
    <message>
        <source>Open(&amp;O)...</source>
        <translation>打开(&amp;O)...</translation>
    </message>
    <message>
        <source>Open an existing document
Open</source>
        <translation>打开已有文档
打开</translation>
    </message>
    <message>
        <source>Close(&amp;C)</source>
        <translation>关闭(&amp;C)</translation>
    </message>
    <message>
        <source>Close the active document
Close</source>
        <translation>关闭当前文档
关闭</translation>
    </message>
    <message>
        <source>Save(&amp;S)</source>
        <translation>保存(&amp;S)</translation>
    </message>
    <message>
        <source>Save the active document
Save</source>
        <translation>保存当前文档
保存</translation>
    </message>
    <message>
        <source>Save As(&amp;A)...</source>
        <translation>另存为(&amp;A)...</translation>
    </message>
    <message>
        <source>Save the active document with a new name
Save As</source>
        <translation>以新文件名保存当前文档
另存为</translation>
    </message>
    <message>
        <source>Export Note(&amp;E)...</source>
        <translation>导出注释(&amp;E)...</translation>
    </message>
    <message>
        <source>Export  Note
</source>
        <translation>导出注释
</translation>
    </message>
    <message>
        <source>Import Note(&amp;I)...</source>
        <translation>导入注释(&amp;I)...</translation>
    </message>
    <message>
        <source>Import Note
</source>
        <translation>导入注释
</translation>
    </message>
    <message>
        <source>Ladder Generated File(&amp;L)...</source>
        <translation>生成梯形图文件(&amp;L)...</translation>
    </message>
    <message>
        <source>Save as command file
</source>
        <translation>保存为指令文件
</translation>
    </message>
    <message>
        <source>Generate Binary File(&amp;B)...</source>
        <translation>生成二进制文件(&amp;B)...</translation>
    </message>
    <message>
        <source>Generate binary file
</source>
        <translation>生成二进制文件
</translation>
    </message>
    <message>
        <source>Edit Ladder Diagram Information(&amp;M)</source>
        <translation>编辑梯形图信息(&amp;M)</translation>
    </message>
    <message>
        <source>Generate ladder diagram file 
</source>
        <translation>生成梯形图文件
</translation>
    </message>
    <message>
        <source>Generate The Old Ladder Diagram File(&amp;D)</source>
        <translation>生成旧版梯形图文件(&amp;D)</translation>
    </message>
    <message>
        <source>Generate the old ladder diagram file
</source>
        <translation>生成旧版梯形图文件
</translation>
    </message>
    <message>
        <source>Generate Instruction List(&amp;T)</source>
        <translation>生成指令表(&amp;T)</translation>
    </message>
    <message>
        <source>Generate Instruction List 
</source>
        <translation>生成指令表
</translation>
    </message>
    <message>
        <source>Print(&amp;P)...</source>
        <translation>打印(&amp;P)...</translation>
    </message>
    <message>
        <source>Print the active document
Print</source>
        <translation>打印当前文档
打印</translation>
    </message>
    <message>
        <source>Print Preview(&amp;V)</source>
        <translation>打印预览(&amp;V)</translation>
    </message>
    <message>
        <source>Display full pages
Print Preview</source>
        <translation>显示整页
打印预览</translation>
    </message>
    <message>
        <source>Print Setup(&amp;R)...</source>
        <translation>打印设置(&amp;R)...</translation>
    </message>
    <message>
        <source>Print(&amp;R)...</source>
        <translation>打印(&amp;R)...</translation>
    </message>
    <message>
        <source>Change the printer and printing options
Print Setup</source>
        <translation>更改打印机和打印选项
打印设置</translation>
    </message>
    <message>
        <source>Print Documentation...</source>
        <translation>打印文档资料...</translation>
    </message>
    <message>
        <source>The program&apos;s documentation as one PDF: title page, ladder pages with coil references, cross-reference, address notes, review findings and instruction list</source>
        <translation>将程序的文档资料生成一个 PDF：封面、带线圈引用的梯形图页、交叉引用、地址注释、审查结果和指令表</translation>
    </message>
    <message>
        <source>Compare With(&amp;W)...</source>
        <translation>比较(&amp;W)...</translation>
    </message>
    <message>
        <source>Mark the lines that differ from another program</source>
        <translation>标出与另一个程序不同的行</translation>
    </message>
    <message>
        <source>Next Difference</source>
        <translation>下一处差异</translation>
    </message>
    <message>
        <source>Previous Difference</source>
        <translation>上一处差异</translation>
    </message>
    <message>
        <source>Open Trace(&amp;K)...</source>
        <translation>打开波形记录(&amp;K)...</translation>
    </message>
    <message>
        <source>Shows a VCD file of a simulation run or a failed ladder test in the Timing Diagram window</source>
        <translation>在时序图窗口中显示仿真运行或失败的梯形图测试的 VCD 文件</translation>
    </message>
    <message>
        <source>Exit(&amp;X)</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <source>Quit the application; prompts to save documents
Exit</source>
        <translation>退出程序；提示保存文档
退出</translation>
    </message>
    <message>
        <source>Undo(&amp;U)</source>
        <translation>撤销(&amp;U)</translation>
    </message>
    <message>
        <source>Undo the last action
Undo</source>
        <translation>撤销上一步操作
撤销</translation>
    </message>
    <message>
        <source>Redo(&amp;Y)</source>
        <translation>重做(&amp;Y)</translation>
    </message>
    <message>
        <source>Redo the action last undone
Redo</source>
        <translation>重做上一步撤销的操作
重做</translation>
    </message>
    <message>
        <source>Multiple Line Selection(&amp;S)</source>
        <translation>多行选择(&amp;S)</translation>
    </message>
    <message>
        <source>Select several whole lines
Multiple Line Selection</source>
        <translation>选择连续的若干整行
多行选择</translation>
    </message>
    <message>
        <source>Cut(&amp;T)</source>
        <translation>剪切(&amp;T)</translation>
    </message>
    <message>
        <source>Cut the selection to the editor&apos;s clipboard
Cut</source>
        <translation>将所选内容剪切到编辑器的剪贴板
剪切</translation>
    </message>
    <message>
        <source>Copy(&amp;C)</source>
        <translation>复制(&amp;C)</translation>
    </message>
    <message>
        <source>Copy the selection to the editor&apos;s clipboard
Copy</source>
        <translation>将所选内容复制到编辑器的剪贴板
复制</translation>
    </message>
    <message>
        <source>Paste(&amp;P)</source>
        <translation>粘贴(&amp;P)</translation>
    </message>
    <message>
        <source>Insert the editor&apos;s clipboard contents
Paste</source>
        <translation>插入编辑器剪贴板中的内容
粘贴</translation>
    </message>
    <message>
        <source>Modify Note(&amp;M)</source>
        <translation>修改注释(&amp;M)</translation>
    </message>
    <message>
        <source>Modify note
</source>
        <translation>修改注释
</translation>
    </message>
    <message>
        <source>Insert Line(&amp;I)</source>
        <translation>插入行(&amp;I)</translation>
    </message>
    <message>
        <source>Insert Line
</source>
        <translation>插入行
</translation>
    </message>
    <message>
        <source>Delete Line(&amp;D)</source>
        <translation>删除行(&amp;D)</translation>
    </message>
    <message>
        <source>Delete Line
</source>
        <translation>删除行
</translation>
    </message>
    <message>
        <source>Go Line(&amp;G)</source>
        <translation>转到行(&amp;G)</translation>
    </message>
    <message>
        <source>Go to a line by its number
Go Line</source>
        <translation>按行号转到某一行
转到行</translation>
    </message>
    <message>
        <source>Find(&amp;F)</source>
        <translation>查找(&amp;F)</translation>
    </message>
    <message>
        <source>Find(Ctrl+F)
</source>
        <translation>查找(Ctrl+F)
</translation>
    </message>
    <message>
        <source>Replace(&amp;R)</source>
        <translation>替换(&amp;R)</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>替换</translation>
    </message>
    <message>
        <source>Convert(&amp;V)</source>
        <translation>转换(&amp;V)</translation>
    </message>
    <message>
        <source>Convert Ladder diagram(F7)
</source>
        <translation>转换梯形图(F7)
</translation>
    </message>
    <message>
        <source>Normally Open Contact</source>
        <translation>常开触点</translation>
    </message>
    <message>
        <source>Normally open contact(Ctrl+Q)
</source>
        <translation>常开触点(Ctrl+Q)
</translation>
    </message>
    <message>
        <source>Normally Closed Contact</source>
        <translation>常闭触点</translation>
    </message>
    <message>
        <source>Normally closed contact(Ctrl+W)
(Ctrl+W)</source>
        <translation>常闭触点(Ctrl+W)
(Ctrl+W)</translation>
    </message>
    <message>
        <source>Horizontal Conductive Line</source>
        <translation>水平连线</translation>
    </message>
    <message>
        <source>Horizontal conductive line(Ctrl+G)
</source>
        <translation>水平连线(Ctrl+G)
</translation>
    </message>
    <message>
        <source>Vertical Conductive Line</source>
        <translation>垂直连线</translation>
    </message>
    <message>
        <source>Vertical conductive line(Ctrl+D)
</source>
        <translation>垂直连线(Ctrl+D)
</translation>
    </message>
    <message>
        <source>Delete Nodes</source>
        <translation>删除节点</translation>
    </message>
    <message>
        <source>Delete nodes(Del)
</source>
        <translation>删除节点(Del)
</translation>
    </message>
    <message>
        <source>Remove Vertical Conductive Line</source>
        <translation>删除垂直连线</translation>
    </message>
    <message>
        <source>Remove vertical conductive line(Ctrl+Shift+D)
</source>
        <translation>删除垂直连线(Ctrl+Shift+D)
</translation>
    </message>
    <message>
        <source>Output Coil</source>
        <translation>输出线圈</translation>
    </message>
    <message>
        <source>Output coil(Ctrl+E)
</source>
        <translation>输出线圈(Ctrl+E)
</translation>
    </message>
    <message>
        <source>Negated Output Coil</source>
        <translation>取反输出线圈</translation>
    </message>
    <message>
        <source>Negated output coil(Ctrl+R)
</source>
        <translation>取反输出线圈(Ctrl+R)
</translation>
    </message>
    <message>
        <source>function command</source>
        <translation>功能指令</translation>
    </message>
    <message>
        <source>function command(Ctrl+A)
 function command(Ctrl+A)</source>
        <translation>功能指令(Ctrl+A)
 功能指令(Ctrl+A)</translation>
    </message>
    <message>
        <source>Toolbar(&amp;T)</source>
        <translation>工具栏(&amp;T)</translation>
    </message>
    <message>
        <source>Show or hide the toolbar
Toggle ToolBar</source>
        <translation>显示或隐藏工具栏
切换工具栏</translation>
    </message>
    <message>
        <source>Status Bar(&amp;S)</source>
        <translation>状态栏(&amp;S)</translation>
    </message>
    <message>
        <source>Show or hide the status bar
Toggle StatusBar</source>
        <translation>显示或隐藏状态栏
切换状态栏</translation>
    </message>
    <message>
        <source>Output window(&amp;O)</source>
        <translation>输出窗口(&amp;O)</translation>
    </message>
    <message>
        <source>Show or hide the output window
Output window</source>
        <translation>显示或隐藏输出窗口
输出窗口</translation>
    </message>
    <message>
        <source>Instruction Window(&amp;I)</source>
        <translation>指令表窗口(&amp;I)</translation>
    </message>
    <message>
        <source>Show or hide the instruction window
Instruction Window</source>
        <translation>显示或隐藏指令表窗口
指令表窗口</translation>
    </message>
    <message>
        <source>Cross Reference</source>
        <translation>交叉引用</translation>
    </message>
    <message>
        <source>Coil References</source>
        <translation>线圈引用</translation>
    </message>
    <message>
        <source>Zoom In(&amp;Z)</source>
        <translation>放大(&amp;Z)</translation>
    </message>
    <message>
        <source>Zoom Out(&amp;U)</source>
        <translation>缩小(&amp;U)</translation>
    </message>
    <message>
        <source>Actual Size(&amp;A)</source>
        <translation>实际大小(&amp;A)</translation>
    </message>
    <message>
        <source>Fit Width(&amp;F)</source>
        <translation>适合宽度(&amp;F)</translation>
    </message>
    <message>
        <source>Start Simulation(&amp;S)</source>
        <translation>开始仿真(&amp;S)</translation>
    </message>
    <message>
        <source>Stop Simulation(&amp;S)</source>
        <translation>停止仿真(&amp;S)</translation>
    </message>
    <message>
        <source>Start the simulation of the active program, or stop it
Start/Stop Simulation</source>
        <translation>开始或停止当前程序的仿真
开始/停止仿真</translation>
    </message>
    <message>
        <source>Single Scan(&amp;N)</source>
        <translation>单次扫描(&amp;N)</translation>
    </message>
    <message>
        <source>Run one scan of the simulation, starting it paused
Single Scan</source>
        <translation>执行一个扫描周期的仿真，以暂停状态开始
单次扫描</translation>
    </message>
    <message>
        <source>Pause(&amp;P)</source>
        <translation>暂停(&amp;P)</translation>
    </message>
    <message>
        <source>Speed x0.25</source>
        <translation>速度 x0.25</translation>
    </message>
    <message>
        <source>Real Time (8 ms a Scan)</source>
        <translation>实时（每次扫描 8 ms）</translation>
    </message>
    <message>
        <source>Speed x4</source>
        <translation>速度 x4</translation>
    </message>
    <message>
        <source>Speed x16</source>
        <translation>速度 x16</translation>
    </message>
    <message>
        <source>Signals(&amp;G)</source>
        <translation>信号(&amp;G)</translation>
    </message>
    <message>
        <source>Timing Diagram(&amp;D)</source>
        <translation>时序图(&amp;D)</translation>
    </message>
    <message>
        <source>Load Stimulus(&amp;L)...</source>
        <translation>载入激励(&amp;L)...</translation>
    </message>
    <message>
        <source>Unload Stimulus(&amp;U)</source>
        <translation>卸载激励(&amp;U)</translation>
    </message>
    <message>
        <source>Record VCD(&amp;R)...</source>
        <translation>记录 VCD(&amp;R)...</translation>
    </message>
    <message>
        <source>Run Tests(&amp;E)...</source>
        <translation>运行测试(&amp;E)...</translation>
    </message>
    <message>
        <source>Run a ladder test file against the program</source>
        <translation>用梯形图测试文件测试本程序</translation>
    </message>
    <message>
        <source>Test Results(&amp;O)</source>
        <translation>测试结果(&amp;O)</translation>
    </message>
    <message>
        <source>Simulation Toolbar(&amp;T)</source>
        <translation>仿真工具栏(&amp;T)</translation>
    </message>
    <message>
        <source>New Window(&amp;N)</source>
        <translation>新建窗口(&amp;N)</translation>
    </message>
    <message>
        <source>Open another window for the active document
New Window</source>
        <translation>为当前文档再打开一个窗口
新建窗口</translation>
    </message>
    <message>
        <source>Cascade(&amp;C)</source>
        <translation>层叠(&amp;C)</translation>
    </message>
    <message>
        <source>Arrange windows so they overlap
Cascade Windows</source>
        <translation>将窗口层叠排列
层叠窗口</translation>
    </message>
    <message>
        <source>Tile(&amp;T)</source>
        <translation>平铺(&amp;T)</translation>
    </message>
    <message>
        <source>Arrange windows as non-overlapping tiles
Tile Windows</source>
        <translation>将窗口平铺排列，互不重叠
平铺窗口</translation>
    </message>
    <message>
        <source>Array Icon(&amp;A)</source>
        <translation>排列图标(&amp;A)</translation>
    </message>
    <message>
        <source>Arrange icons at the bottom of the window
Arrange Icons</source>
        <translation>在窗口底部排列图标
排列图标</translation>
    </message>
    <message>
        <source>Next Pane</source>
        <translation>下一个窗格</translation>
    </message>
    <message>
        <source>Previous Pane</source>
        <translation>上一个窗格</translation>
    </message>
    <message>
        <source>About Rungpad(&amp;A)...</source>
        <translation>关于 Rungpad(&amp;A)...</translation>
    </message>
    <message>
        <source>Display program information and version
About</source>
        <translation>显示程序信息和版本
关于</translation>
    </message>
    <message>
        <source>User Guide(&amp;G)</source>
        <translation>用户指南(&amp;G)</translation>
    </message>
    <message>
        <source>Open the user guide
User Guide</source>
        <translation>打开用户指南
用户指南</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts(&amp;K)</source>
        <translation>键盘快捷键(&amp;K)</translation>
    </message>
    <message>
        <source>List the keys of every command
Keyboard Shortcuts</source>
        <translation>列出所有命令的按键
键盘快捷键</translation>
    </message>
    <message>
        <source>File(&amp;F)</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>Edit(&amp;E)</source>
        <translation>编辑(&amp;E)</translation>
    </message>
    <message>
        <source>View(&amp;V)</source>
        <translation>查看(&amp;V)</translation>
    </message>
    <message>
        <source>Simulation(&amp;S)</source>
        <translation>仿真(&amp;S)</translation>
    </message>
    <message>
        <source>Window(&amp;W)</source>
        <translation>窗口(&amp;W)</translation>
    </message>
    <message>
        <source>Help(&amp;H)</source>
        <translation>帮助(&amp;H)</translation>
    </message>
</context>
<context>
    <name>DocumentationPrinter</name>
    <message>
        <source>nothing was printed</source>
        <translation>未打印任何内容</translation>
    </message>
    <message>
        <source>the bookmarks could not be added</source>
        <translation>无法添加书签</translation>
    </message>
</context>
<context>
    <name>FileFilter</name>
    <message>
        <source>ZIZIdu 文件 (*.grp)</source>
        <translation>ZIZIdu 文件 (*.grp)</translation>
    </message>
    <message>
        <source>PLC梯图文件 (*.grp)</source>
        <translation>PLC梯图文件 (*.grp)</translation>
    </message>
    <message>
        <source>PLC梯图文件 (*.plf;*.grp;*.bak)</source>
        <translation>PLC梯图文件 (*.plf;*.grp;*.bak)</translation>
    </message>
    <message>
        <source>备份文件 (*.bak)</source>
        <translation>备份文件 (*.bak)</translation>
    </message>
    <message>
        <source>所有文件(*.*)</source>
        <translation>所有文件(*.*)</translation>
    </message>
    <message>
        <source>所有文件 (*.*)</source>
        <translation>所有文件 (*.*)</translation>
    </message>
    <message>
        <source>梯图二进制文件 (*.dat)</source>
        <translation>梯图二进制文件 (*.dat)</translation>
    </message>
    <message>
        <source>梯形图文件 (*.grp)</source>
        <translation>梯形图文件 (*.grp)</translation>
    </message>
    <message>
        <source>指令表文件 (*.txt)</source>
        <translation>指令表文件 (*.txt)</translation>
    </message>
    <message>
        <source>文本文件 (*.txt)</source>
        <translation>文本文件 (*.txt)</translation>
    </message>
    <message>
        <source>Ladder tests (*.plt)</source>
        <translation>梯形图测试文件 (*.plt)</translation>
    </message>
    <message>
        <source>All files (*.*)</source>
        <translation>所有文件 (*.*)</translation>
    </message>
    <message>
        <source>Stimulus files (*.stim;*.txt)</source>
        <translation>激励文件 (*.stim;*.txt)</translation>
    </message>
    <message>
        <source>Value Change Dump (*.vcd)</source>
        <translation>VCD 波形文件 (*.vcd)</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>PNG 图像 (*.png)</translation>
    </message>
    <message>
        <source>SVG image (*.svg)</source>
        <translation>SVG 图像 (*.svg)</translation>
    </message>
</context>
<context>
    <name>QtDocumentHost</name>
    <message>
        <source>Save changes to %1?</source>
        <translation>是否保存对 %1 的修改？</translation>
    </message>
    <message>
        <source>File changed</source>
        <translation>文件已更改</translation>
    </message>
    <message>
        <source>%1 has been changed by another program since it was opened or saved.
Overwrite it with this document?</source>
        <translation>%1 在打开或保存之后已被其他程序修改。
是否用本文档覆盖它？</translation>
    </message>
</context>
<context>
    <name>QtRecoveryPrompt</name>
    <message>
        <source>Recover document</source>
        <translation>恢复文档</translation>
    </message>
    <message>
        <source>Rungpad was not closed properly. A recovery copy of %1 from %2 holds changes that were not saved.</source>
        <translation>Rungpad 上次没有正常关闭。%1 的恢复副本（%2）中有未保存的更改。</translation>
    </message>
    <message>
        <source>Recover opens it as a modified document; Discard deletes the copy; Later asks again at the next start.</source>
        <translation>“恢复”将其作为已修改的文档打开；“丢弃”删除该副本；“稍后”在下次启动时再次询问。</translation>
    </message>
    <message>
        <source>&amp;Recover</source>
        <translation>恢复(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>丢弃(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Later</source>
        <translation>稍后(&amp;L)</translation>
    </message>
    <message>
        <source>The recovery copy %1 is damaged and cannot be opened.
Delete this copy?</source>
        <translation>恢复副本 %1 已损坏，无法打开。
是否删除该副本？</translation>
    </message>
</context>
<context>
    <name>QtReloadPrompt</name>
    <message>
        <source>File changed on disk</source>
        <translation>磁盘上的文件已更改</translation>
    </message>
    <message>
        <source>%1 was changed on disk by another program.</source>
        <translation>%1 已被其他程序在磁盘上修改。</translation>
    </message>
    <message>
        <source>Reload reads the file again and discards the changes made here since the last save; Keep leaves the document as it is.</source>
        <translation>“重新载入”将再次读取该文件，并放弃上次保存以来在此所做的修改；“保留”则保持文档不变。</translation>
    </message>
    <message>
        <source>Reload reads the file again; Keep leaves the document as it is.</source>
        <translation>“重新载入”将再次读取该文件；“保留”则保持文档不变。</translation>
    </message>
    <message>
        <source>&amp;Reload</source>
        <translation>重新载入(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Keep</source>
        <translation>保留(&amp;K)</translation>
    </message>
</context>
<context>
    <name>rungpad::CChildFrame</name>
    <message>
        <source> [read-only]</source>
        <translation> [只读]</translation>
    </message>
</context>
<context>
    <name>rungpad::CFindDlg</name>
    <message>
        <source>Find dialog</source>
        <translation>查找</translation>
    </message>
    <message>
        <source>search target:</source>
        <translation>查找内容:</translation>
    </message>
    <message>
        <source>find</source>
        <translation>查找方向</translation>
    </message>
    <message>
        <source>up(&amp;U)</source>
        <translation>向上(&amp;U)</translation>
    </message>
    <message>
        <source>down(&amp;D)</source>
        <translation>向下(&amp;D)</translation>
    </message>
    <message>
        <source>Find(&amp;F)</source>
        <translation>查找(&amp;F)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>rungpad::CFuncDlg</name>
    <message>
        <source>Dialog</source>
        <translation>功能指令</translation>
    </message>
    <message>
        <source>On the left  side of the list box or directly on the right side of the edit box input function instruction</source>
        <translation>在左侧列表框中双击选择功能指令，或直接在右侧编辑框中输入</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>rungpad::CGotoLineDlg</name>
    <message>
        <source>Go to line</source>
        <translation>转到行</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>确定(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>取消(&amp;C)</translation>
    </message>
    <message>
        <source>go</source>
        <translation>转到第</translation>
    </message>
    <message>
        <source>line</source>
        <translation>行</translation>
    </message>
</context>
<context>
    <name>rungpad::CInsertLineDlg</name>
    <message>
        <source>Insert Line</source>
        <translation>插入行</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>确定(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>取消(&amp;C)</translation>
    </message>
    <message>
        <source>insert</source>
        <translation>插入</translation>
    </message>
    <message>
        <source>line</source>
        <translation>行</translation>
    </message>
</context>
<context>
    <name>rungpad::CItemSetDlg</name>
    <message>
        <source>item set</source>
        <translation>元件设置</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>CANCLE</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>rungpad::CLadInfoDlg</name>
    <message>
        <source>Ladder diagram information</source>
        <translation>梯形图信息</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>ladder version number:</source>
        <translation>梯形图版本号:</translation>
    </message>
    <message>
        <source>suitable machine tool:</source>
        <translation>适用机床:</translation>
    </message>
    <message>
        <source>last modifie person:</source>
        <translation>最后修改人:</translation>
    </message>
</context>
<context>
    <name>rungpad::CMainFrame</name>
    <message>
        <source>Ladder diagram editor</source>
        <translation>梯形图编辑器</translation>
    </message>
    <message>
        <source>The translation of the texts could not be loaded: the texts stay as they are.</source>
        <translation>无法加载文本的翻译，文本保持原样。</translation>
    </message>
    <message>
        <source>Language(&amp;L)</source>
        <translation>语言(&amp;L)</translation>
    </message>
    <message>
        <source>Show the texts in the original wording, in Chinese or in English</source>
        <translation>以原始文本、中文或英文显示界面文字</translation>
    </message>
    <message>
        <source>输出窗口</source>
        <translation>输出窗口</translation>
    </message>
    <message>
        <source>注释窗口</source>
        <translation>注释窗口</translation>
    </message>
    <message>
        <source>指令表输出窗口</source>
        <translation>指令表输出窗口</translation>
    </message>
    <message>
        <source>The file could not be read again; the document stays as it was.</source>
        <translation>无法再次读取该文件，文档保持原样。</translation>
    </message>
    <message>
        <source>Out of date: the last conversion failed (F7 converts again)</source>
        <translation>已过时：上次转换失败（按 F7 重新转换）</translation>
    </message>
    <message>
        <source>The user guide was not found: it is installed with the program, in share/doc/rungpad.</source>
        <translation>找不到用户指南：它随程序安装在 share/doc/rungpad 中。</translation>
    </message>
    <message>
        <source>Lines %1-%2</source>
        <translation>第 %1-%2 行</translation>
    </message>
    <message>
        <source>%1 s  %2</source>
        <translation>%1 秒  %2</translation>
    </message>
    <message>
        <source>Running</source>
        <translation>运行中</translation>
    </message>
    <message>
        <source>Line %1, Column %2</source>
        <translation>第 %1 行，第 %2 列</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>已暂停</translation>
    </message>
    <message>
        <source>be ready</source>
        <translation>就绪</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF 文件 (*.pdf)</translation>
    </message>
    <message>
        <source>Documentation written: %1</source>
        <translation>已写入文档资料：%1</translation>
    </message>
    <message>
        <source>Simulation</source>
        <translation>仿真</translation>
    </message>
    <message>
        <source>Stimulus unloaded: %1</source>
        <translation>已卸载激励：%1</translation>
    </message>
    <message>
        <source>VCD written: %1</source>
        <translation>已写入 VCD：%1</translation>
    </message>
    <message>
        <source>Stimulus loaded: %1 (playing from now)</source>
        <translation>已加载激励：%1（从现在开始播放）</translation>
    </message>
    <message>
        <source>Stimulus loaded: %1 (plays from the start)</source>
        <translation>已加载激励：%1（仿真开始时播放）</translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>警告：%1</translation>
    </message>
    <message>
        <source>Recording to %1</source>
        <translation>正在录制到 %1</translation>
    </message>
    <message>
        <source>Simulating: the program is read-only (F5 stops, F10 runs one scan, Space switches the contact at the cursor)</source>
        <translation>仿真中：程序为只读（F5 停止，F10 执行一次扫描，空格键切换光标处的触点）</translation>
    </message>
    <message>
        <source>Trace opened: %1</source>
        <translation>已打开波形记录：%1</translation>
    </message>
    <message>
        <source>Image written: %1</source>
        <translation>已写入图片：%1</translation>
    </message>
    <message>
        <source>Compare With %1: %2</source>
        <translation>与 %1 比较：%2</translation>
    </message>
    <message>
        <source>test file refused: %1</source>
        <translation>测试文件被拒绝：%1</translation>
    </message>
    <message>
        <source>%1 cannot run: %2</source>
        <translation>%1 无法运行：%2</translation>
    </message>
    <message>
        <source>Tests: nothing ran: %1</source>
        <translation>测试：未运行任何用例：%1</translation>
    </message>
    <message>
        <source>Tests %1: %2 passed, %3 failed</source>
        <translation>测试 %1：%2 个通过，%3 个失败</translation>
    </message>
    <message>
        <source>The document these tests ran on is closed.</source>
        <translation>运行这些测试的文档已关闭。</translation>
    </message>
    <message>
        <source>%1 has changed since its tests ran: run them again first.</source>
        <translation>%1 在测试运行后已修改：请先重新运行测试。</translation>
    </message>
    <message>
        <source>case &apos;%1&apos; of %2</source>
        <translation>%2 的用例“%1”</translation>
    </message>
    <message>
        <source>Showing %1 at %2ms, paused (F10 runs one scan): %3</source>
        <translation>显示 %1 在 %2ms 时的状态，已暂停（F10 执行一次扫描）：%3</translation>
    </message>
    <message>
        <source>capital</source>
        <translation>大写</translation>
    </message>
    <message>
        <source>number</source>
        <translation>数字</translation>
    </message>
    <message>
        <source>roll</source>
        <translation>滚动</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>标准</translation>
    </message>
    <message>
        <source>Elements</source>
        <translation>元件</translation>
    </message>
</context>
<context>
    <name>rungpad::CNoteDlg</name>
    <message>
        <source>Modify note</source>
        <translation>修改注释</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>rungpad::CReplaceDlg</name>
    <message>
        <source>Replace</source>
        <translation>替换</translation>
    </message>
    <message>
        <source>find content:</source>
        <translation>查找内容:</translation>
    </message>
    <message>
        <source>Replace:</source>
        <translation>替换为:</translation>
    </message>
    <message>
        <source>FIND NEXT(&amp;F)</source>
        <translation>查找下一个(&amp;F)</translation>
    </message>
    <message>
        <source>REPLACE(&amp;R)</source>
        <translation>替换(&amp;R)</translation>
    </message>
    <message>
        <source>ALL REPLACE(&amp;A)</source>
        <translation>全部替换(&amp;A)</translation>
    </message>
    <message>
        <source>CANCEL(&amp;C)</source>
        <translation>取消(&amp;C)</translation>
    </message>
</context>
<context>
    <name>rungpad::CRungpadView</name>
    <message>
        <source>修改注释(&amp;M)</source>
        <translation>修改注释(&amp;M)</translation>
    </message>
    <message>
        <source>Show Cross Reference</source>
        <translation>显示交叉引用</translation>
    </message>
    <message>
        <source>基本指令(&amp;B)</source>
        <translation>基本指令(&amp;B)</translation>
    </message>
    <message>
        <source>功能指令(&amp;F)</source>
        <translation>功能指令(&amp;F)</translation>
    </message>
</context>
<context>
    <name>rungpad::CSelMulRowDlg</name>
    <message>
        <source>Select multiple lines</source>
        <translation>选择多行</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>CANCLE</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>start line:</source>
        <translation>起始行:</translation>
    </message>
    <message>
        <source>end line:</source>
        <translation>结束行:</translation>
    </message>
</context>
<context>
    <name>rungpad::CShortcutsDialog</name>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>键盘快捷键</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>按键</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>命令</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>菜单</translation>
    </message>
</context>
<context>
    <name>rungpad::CSignalsWindow</name>
    <message>
        <source>Signals</source>
        <translation>信号</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>添加</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>移除</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>地址</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>值</translation>
    </message>
    <message>
        <source>Forced</source>
        <translation>强制</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>注释</translation>
    </message>
    <message>
        <source>Address to watch: a bit (X000.0), a byte (R100) or a word (D010, T001, C002, DT0001, DC0002)</source>
        <translation>要监视的地址：位 (X000.0)、字节 (R100) 或字 (D010、T001、C002、DT0001、DC0002)</translation>
    </message>
    <message>
        <source>Box</source>
        <translation>指令</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>行</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>当前值</translation>
    </message>
    <message>
        <source>Preset</source>
        <translation>设定值</translation>
    </message>
    <message>
        <source>Timers and counters</source>
        <translation>定时器和计数器</translation>
    </message>
</context>
<context>
    <name>rungpad::CSimMonitor</name>
    <message>
        <source>values can be set while the simulation runs</source>
        <translation>仿真运行时才能设置数值</translation>
    </message>
    <message>
        <source>recording needs a running simulation</source>
        <translation>录制需要仿真正在运行</translation>
    </message>
</context>
<context>
    <name>rungpad::CTestResultsWindow</name>
    <message>
        <source>%1 expectations met</source>
        <translation>满足全部 %1 项预期</translation>
    </message>
    <message>
        <source>PASS</source>
        <translation>通过</translation>
    </message>
    <message>
        <source>FAIL</source>
        <translation>失败</translation>
    </message>
    <message>
        <source>Nothing ran: %1</source>
        <translation>未运行任何用例：%1</translation>
    </message>
    <message>
        <source>No tests run yet: Simulation &gt; Run Tests...</source>
        <translation>尚未运行测试：仿真 &gt; 运行测试...</translation>
    </message>
    <message>
        <source>%1: %2 passed, %3 failed%4</source>
        <translation>%1：%2 个通过，%3 个失败%4</translation>
    </message>
    <message>
        <source> (double-click a failure to see it)</source>
        <translation>（双击失败的用例可查看）</translation>
    </message>
    <message>
        <source>Test Results</source>
        <translation>测试结果</translation>
    </message>
    <message>
        <source>Run Again</source>
        <translation>重新运行</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>结果</translation>
    </message>
    <message>
        <source>Case</source>
        <translation>用例</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>信息</translation>
    </message>
    <message>
        <source>%1 on %2</source>
        <translation>%1（用于 %2）</translation>
    </message>
</context>
<context>
    <name>rungpad::CTimingDiagramView</name>
    <message>
        <source> (forced)</source>
        <translation>（强制）</translation>
    </message>
    <message>
        <source>Cursor %1: %2</source>
        <translation>光标 %1：%2</translation>
    </message>
    <message>
        <source>No signals watched. Add addresses in the Signals window (Simulation &gt; Signals) and start the simulation (F5); File &gt; Open Trace... shows a recorded run.</source>
        <translation>没有监视的信号。请在信号窗口（仿真 &gt; 信号）中添加地址并开始仿真 (F5)；文件 &gt; 打开波形记录... 可显示录制的运行过程。</translation>
    </message>
    <message>
        <source>The trace holds no signals.</source>
        <translation>该波形记录不含任何信号。</translation>
    </message>
</context>
<context>
    <name>rungpad::CTimingDiagramWindow</name>
    <message>
        <source>Timing Diagram</source>
        <translation>时序图</translation>
    </message>
    <message>
        <source>Zoom In (+)</source>
        <translation>放大 (+)</translation>
    </message>
    <message>
        <source>Zoom in (+, Ctrl+wheel)</source>
        <translation>放大（+，Ctrl+滚轮）</translation>
    </message>
    <message>
        <source>Zoom Out (-)</source>
        <translation>缩小 (-)</translation>
    </message>
    <message>
        <source>Zoom out (-, Ctrl+wheel)</source>
        <translation>缩小（-，Ctrl+滚轮）</translation>
    </message>
    <message>
        <source>Fit All</source>
        <translation>全部显示</translation>
    </message>
    <message>
        <source>The whole run across the window (0)</source>
        <translation>整个运行过程铺满窗口 (0)</translation>
    </message>
    <message>
        <source>Follow</source>
        <translation>跟随</translation>
    </message>
    <message>
        <source>Keep the end of the run in view; scrolling back pauses it (End resumes)</source>
        <translation>始终显示运行的最新部分；向回滚动时暂停跟随（按 End 恢复）</translation>
    </message>
    <message>
        <source>Export Image...</source>
        <translation>导出图片...</translation>
    </message>
    <message>
        <source>The diagram as shown, as a PNG or SVG picture</source>
        <translation>将当前显示的时序图导出为 PNG 或 SVG 图片</translation>
    </message>
    <message>
        <source>%1 is not a trace this program writes: %2</source>
        <translation>%1 不是本程序写出的波形记录：%2</translation>
    </message>
    <message>
        <source>%1: choose a name ending in .png or .svg</source>
        <translation>%1：请选择以 .png 或 .svg 结尾的文件名</translation>
    </message>
    <message>
        <source>The timing diagram shows no signals: nothing to export</source>
        <translation>时序图中没有信号：没有可导出的内容</translation>
    </message>
    <message>
        <source>Trace %1: click to read the values at a time</source>
        <translation>波形记录 %1：单击可读取某一时刻的值</translation>
    </message>
    <message>
        <source>Monitor mode&apos;s watched signals: click to read the values at a time</source>
        <translation>监视模式下监视的信号：单击可读取某一时刻的值</translation>
    </message>
</context>
<context>
    <name>rungpad::CUserGuide</name>
    <message>
        <source>User Guide</source>
        <translation>用户指南</translation>
    </message>
</context>
<context>
    <name>rungpad::CXrefWindow</name>
    <message>
        <source>Cross Reference</source>
        <translation>交叉引用</translation>
    </message>
    <message>
        <source>Address prefix</source>
        <translation>地址前缀</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>地址</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>行</translation>
    </message>
    <message>
        <source>Column</source>
        <translation>列</translation>
    </message>
    <message>
        <source>Use</source>
        <translation>用法</translation>
    </message>
    <message>
        <source>Access</source>
        <translation>读写</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>注释</translation>
    </message>
    <message>
        <source>No findings</source>
        <translation>无审查结果</translation>
    </message>
    <message>
        <source>Findings: %1</source>
        <translation>审查结果：%1</translation>
    </message>
</context>
<context>
    <name>rungpad::RecoveryKeeper</name>
    <message>
        <source>Recovery copies cannot be written: %1</source>
        <translation>无法写入恢复副本：%1</translation>
    </message>
</context>
</TS>
