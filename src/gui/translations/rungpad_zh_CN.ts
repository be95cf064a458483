<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
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
    <name>rungpad::CUserGuide</name>
    <message>
        <source>User Guide</source>
        <translation>用户指南</translation>
    </message>
</context>
</TS>
