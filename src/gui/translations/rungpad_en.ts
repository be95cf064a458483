<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>FileFilter</name>
    <message>
        <source>ZIZIdu 文件 (*.grp)</source>
        <translation>ZIZIdu file (*.grp)</translation>
    </message>
    <message>
        <source>PLC梯图文件 (*.grp)</source>
        <translation>PLC ladder file (*.grp)</translation>
    </message>
    <message>
        <source>PLC梯图文件 (*.plf;*.grp;*.bak)</source>
        <translation>PLC ladder file (*.plf;*.grp;*.bak)</translation>
    </message>
    <message>
        <source>备份文件 (*.bak)</source>
        <translation>Backup file (*.bak)</translation>
    </message>
    <message>
        <source>所有文件(*.*)</source>
        <translation>All files (*.*)</translation>
    </message>
    <message>
        <source>所有文件 (*.*)</source>
        <translation>All files (*.*)</translation>
    </message>
    <message>
        <source>梯图二进制文件 (*.dat)</source>
        <translation>Ladder binary file (*.dat)</translation>
    </message>
    <message>
        <source>梯形图文件 (*.grp)</source>
        <translation>Ladder diagram file (*.grp)</translation>
    </message>
    <message>
        <source>指令表文件 (*.txt)</source>
        <translation>Instruction list file (*.txt)</translation>
    </message>
    <message>
        <source>文本文件 (*.txt)</source>
        <translation>Text file (*.txt)</translation>
    </message>
    <message>
        <source>Ladder tests (*.plt)</source>
        <translation>Ladder tests (*.plt)</translation>
    </message>
    <message>
        <source>All files (*.*)</source>
        <translation>All files (*.*)</translation>
    </message>
    <message>
        <source>Stimulus files (*.stim;*.txt)</source>
        <translation>Stimulus files (*.stim;*.txt)</translation>
    </message>
    <message>
        <source>Value Change Dump (*.vcd)</source>
        <translation>Value Change Dump (*.vcd)</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>PNG image (*.png)</translation>
    </message>
    <message>
        <source>SVG image (*.svg)</source>
        <translation>SVG image (*.svg)</translation>
    </message>
</context>
<context>
    <name>QtDocumentHost</name>
    <message>
        <source>Save changes to %1?</source>
        <translation>Save changes to %1?</translation>
    </message>
    <message>
        <source>File changed</source>
        <translation>File changed</translation>
    </message>
    <message>
        <source>%1 has been changed by another program since it was opened or saved.
Overwrite it with this document?</source>
        <translation>%1 has been changed by another program since it was opened or saved.
Overwrite it with this document?</translation>
    </message>
</context>
<context>
    <name>QtReloadPrompt</name>
    <message>
        <source>File changed on disk</source>
        <translation>File changed on disk</translation>
    </message>
    <message>
        <source>%1 was changed on disk by another program.</source>
        <translation>%1 was changed on disk by another program.</translation>
    </message>
    <message>
        <source>Reload reads the file again and discards the changes made here since the last save; Keep leaves the document as it is.</source>
        <translation>Reload reads the file again and discards the changes made here since the last save; Keep leaves the document as it is.</translation>
    </message>
    <message>
        <source>Reload reads the file again; Keep leaves the document as it is.</source>
        <translation>Reload reads the file again; Keep leaves the document as it is.</translation>
    </message>
    <message>
        <source>&amp;Reload</source>
        <translation>&amp;Reload</translation>
    </message>
    <message>
        <source>&amp;Keep</source>
        <translation>&amp;Keep</translation>
    </message>
</context>
<context>
    <name>rungpad::CChildFrame</name>
    <message>
        <source> [read-only]</source>
        <translation> [read-only]</translation>
    </message>
</context>
<context>
    <name>rungpad::CMainFrame</name>
    <message>
        <source>Ladder diagram editor</source>
        <translation>Ladder diagram editor</translation>
    </message>
    <message>
        <source>The translation of the texts could not be loaded: the texts stay as they are.</source>
        <translation>The translation of the texts could not be loaded: the texts stay as they are.</translation>
    </message>
    <message>
        <source>Language(&amp;L)</source>
        <translation>Language(&amp;L)</translation>
    </message>
    <message>
        <source>Show the texts in the original wording, in Chinese or in English</source>
        <translation>Show the texts in the original wording, in Chinese or in English</translation>
    </message>
    <message>
        <source>输出窗口</source>
        <translation>Output Window</translation>
    </message>
    <message>
        <source>注释窗口</source>
        <translation>Note Window</translation>
    </message>
    <message>
        <source>指令表输出窗口</source>
        <translation>Instruction List Window</translation>
    </message>
    <message>
        <source>The file could not be read again; the document stays as it was.</source>
        <translation>The file could not be read again; the document stays as it was.</translation>
    </message>
    <message>
        <source>Out of date: the last conversion failed (F7 converts again)</source>
        <translation>Out of date: the last conversion failed (F7 converts again)</translation>
    </message>
    <message>
        <source>The user guide was not found: it is installed with the program, in share/doc/rungpad.</source>
        <translation>The user guide was not found: it is installed with the program, in share/doc/rungpad.</translation>
    </message>
    <message>
        <source>Lines %1-%2</source>
        <translation>Lines %1-%2</translation>
    </message>
    <message>
        <source>%1 s  %2</source>
        <translation>%1 s  %2</translation>
    </message>
    <message>
        <source>Running</source>
        <translation>Running</translation>
    </message>
    <message>
        <source>Line %1, Column %2</source>
        <translation>Line %1, Column %2</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Paused</translation>
    </message>
    <message>
        <source>be ready</source>
        <translation>be ready</translation>
    </message>
</context>
<context>
    <name>rungpad::CShortcutsDialog</name>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Keyboard Shortcuts</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Keys</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>Command</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
</context>
<context>
    <name>rungpad::CUserGuide</name>
    <message>
        <source>User Guide</source>
        <translation>User Guide</translation>
    </message>
</context>
</TS>
