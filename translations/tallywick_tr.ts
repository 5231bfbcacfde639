<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr">
<context>
    <name>ShowMessage</name>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>No problem shown</source>
        <translation>Gösterilen işlem yok</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A part of the problem and what it shows, as a screen reader says it: &quot;Operator: times&quot;.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Ayarlar</translation>
    </message>
    <message>
        <source>New Problem</source>
        <translation>Yeni işlem</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Çıkış</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>İşlem işareti</translation>
    </message>
    <message>
        <source>Top term</source>
        <translation>Üstteki sayı</translation>
    </message>
    <message>
        <source>Bottom term</source>
        <translation>Alttaki sayı</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Sonuç</translation>
    </message>
    <message>
        <source>%1 equals %2</source>
        <extracomment>The problem as a screen reader says it, then its result: &quot;7 plus 5 equals 12&quot;.</extracomment>
        <translation>%1 eşittir %2</translation>
    </message>
    <message>
        <source>No problem fits the current settings.

Open Setup and allow more kinds of result for the included operations, or change the term limits.</source>
        <translation>Geçerli ayarlara uyan bir işlem yok.

Ayarları açın ve seçilen işlemler için daha fazla sonuç türüne izin verin ya da sayı aralıklarını değiştirin.</translation>
    </message>
</context>
</TS>
