<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- SPDX-License-Identifier: GPL-3.0-or-later -->
<TS version="2.1" language="he_IL" sourcelanguage="en">
<context>
    <name>orva</name>
    <message>
        <source>Options</source>
        <translation>אפשרויות</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>עזרה</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>י&amp;ציאה</translation>
    </message>
    <message>
        <source>Users Guide</source>
        <translation>מדריך למשתמש</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>אודות...</translation>
    </message>
    <message>
        <source>Russian-Hebrew</source>
        <translation>רוסית–עברית</translation>
    </message>
    <message>
        <source>Hebrew-Russian</source>
        <translation>עברית–רוסית</translation>
    </message>
    <message>
        <source>About</source>
        <translation>אודות</translation>
    </message>
    <message>
        <source>Russian-Hebrew pocket dictionary</source>
        <translation>מילון כיס רוסי–עברי</translation>
    </message>
    <message>
        <source>%1 — form of </source>
        <translation>%1 — צורה של </translation>
    </message>
    <message>
        <source>%1 is not in the dictionary</source>
        <translation>%1 לא נמצאה במילון</translation>
    </message>
    <message>
        <source>; nearest: </source>
        <translation>; הקרובות ביותר: </translation>
    </message>
</context>
<context>
    <name>PageBrowser</name>
    <message>
        <source>Copy Article</source>
        <translation>העתקת הערך</translation>
    </message>
</context>
</TS>
