<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
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
</context>
</TS>
