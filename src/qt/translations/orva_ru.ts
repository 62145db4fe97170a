<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- SPDX-License-Identifier: GPL-3.0-or-later -->
<TS version="2.1" language="ru_RU" sourcelanguage="en">
<context>
    <name>orva</name>
    <message>
        <source>Options</source>
        <translation>Параметры</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>В&amp;ыход</translation>
    </message>
    <message>
        <source>Users Guide</source>
        <translation>Руководство пользователя</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>О программе...</translation>
    </message>
    <message>
        <source>Russian-Hebrew</source>
        <translation>Русско-ивритский</translation>
    </message>
    <message>
        <source>Hebrew-Russian</source>
        <translation>Иврит-русский</translation>
    </message>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>Russian-Hebrew pocket dictionary</source>
        <translation>Русско-ивритский карманный словарь</translation>
    </message>
    <message>
        <source>%1 — form of </source>
        <translation>%1 — форма слова </translation>
    </message>
    <message>
        <source>%1 is not in the dictionary</source>
        <translation>%1 нет в словаре</translation>
    </message>
    <message>
        <source>; nearest: </source>
        <translation>; ближайшие: </translation>
    </message>
</context>
<context>
    <name>PageBrowser</name>
    <message>
        <source>Copy Article</source>
        <translation>Копировать статью</translation>
    </message>
</context>
</TS>
