<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ru_RU">
<context>
    <name>Picture</name>
    <message>
        <source>X, м</source>
        <translation>X, m</translation>
    </message>
</context>
</TS>
