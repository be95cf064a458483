<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
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
</context>
</TS>
