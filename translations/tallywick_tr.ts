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
        <extracomment>The problem as a screen reader says it, then its result: &quot;7 plus 5 equals 12&quot;, &quot;7 divided by 2 equals 3 and one half&quot;.</extracomment>
        <translation>%1 eşittir %2</translation>
    </message>
    <message>
        <source>No problem fits the current settings.

Open Setup and allow more kinds of result for the included operations, or change the term limits.</source>
        <translation>Geçerli ayarlara uyan bir işlem yok.

Ayarları açın ve seçilen işlemler için daha fazla sonuç türüne izin verin ya da sayı aralıklarını değiştirin.</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>artı</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>eksi</translation>
    </message>
    <message>
        <source>times</source>
        <translation>çarpı</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>bölü</translation>
    </message>
    <message>
        <source>one half</source>
        <translation>ikide bir</translation>
    </message>
    <message>
        <source>one third</source>
        <translation>üçte bir</translation>
    </message>
    <message numerus="yes">
        <source>%n thirds</source>
        <translation>
            <numerusform>üçte %n</numerusform>
        </translation>
    </message>
    <message>
        <source>one quarter</source>
        <translation>dörtte bir</translation>
    </message>
    <message numerus="yes">
        <source>%n quarters</source>
        <translation>
            <numerusform>dörtte %n</numerusform>
        </translation>
    </message>
    <message>
        <source>one fifth</source>
        <translation>beşte bir</translation>
    </message>
    <message numerus="yes">
        <source>%n fifths</source>
        <translation>
            <numerusform>beşte %n</numerusform>
        </translation>
    </message>
    <message>
        <source>one sixth</source>
        <translation>altıda bir</translation>
    </message>
    <message numerus="yes">
        <source>%n sixths</source>
        <translation>
            <numerusform>altıda %n</numerusform>
        </translation>
    </message>
    <message>
        <source>one seventh</source>
        <translation>yedide bir</translation>
    </message>
    <message numerus="yes">
        <source>%n sevenths</source>
        <translation>
            <numerusform>yedide %n</numerusform>
        </translation>
    </message>
    <message>
        <source>one eighth</source>
        <translation>sekizde bir</translation>
    </message>
    <message numerus="yes">
        <source>%n eighths</source>
        <translation>
            <numerusform>sekizde %n</numerusform>
        </translation>
    </message>
    <message>
        <source>one ninth</source>
        <translation>dokuzda bir</translation>
    </message>
    <message numerus="yes">
        <source>%n ninths</source>
        <translation>
            <numerusform>dokuzda %n</numerusform>
        </translation>
    </message>
    <message>
        <source>one tenth</source>
        <translation>onda bir</translation>
    </message>
    <message numerus="yes">
        <source>%n tenths</source>
        <translation>
            <numerusform>onda %n</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 over %2</source>
        <extracomment>A fraction whose denominator has no name of its own, said as a formula is read: &quot;15 over 17&quot;.</extracomment>
        <translation>%1 bölü %2</translation>
    </message>
    <message numerus="yes">
        <source>%n and %1</source>
        <extracomment>A whole number and a fraction, as a mixed number is said: &quot;3 and one half&quot;.</extracomment>
        <translation>
            <numerusform>%n tam %1</numerusform>
        </translation>
    </message>
    <message>
        <source>minus %1</source>
        <extracomment>A negative mixed number or fraction: &quot;minus 3 and one half&quot;.</extracomment>
        <translation>eksi %1</translation>
    </message>
</context>
<context>
    <name>frmSetup</name>
    <message>
        <source>Addition: positive results</source>
        <translation>Toplama: pozitif sonuçlar</translation>
    </message>
    <message>
        <source>Addition: zero results</source>
        <translation>Toplama: sıfır sonucu</translation>
    </message>
    <message>
        <source>Addition: negative results</source>
        <translation>Toplama: negatif sonuçlar</translation>
    </message>
    <message>
        <source>Subtraction: positive results</source>
        <translation>Çıkarma: pozitif sonuçlar</translation>
    </message>
    <message>
        <source>Subtraction: zero results</source>
        <translation>Çıkarma: sıfır sonucu</translation>
    </message>
    <message>
        <source>Subtraction: negative results</source>
        <translation>Çıkarma: negatif sonuçlar</translation>
    </message>
    <message>
        <source>Multiplication: positive results</source>
        <translation>Çarpma: pozitif sonuçlar</translation>
    </message>
    <message>
        <source>Multiplication: negative results</source>
        <translation>Çarpma: negatif sonuçlar</translation>
    </message>
    <message>
        <source>Division: positive results</source>
        <translation>Bölme: pozitif sonuçlar</translation>
    </message>
    <message>
        <source>Division: negative results</source>
        <translation>Bölme: negatif sonuçlar</translation>
    </message>
    <message>
        <source>Division: whole results</source>
        <translation>Bölme: kalansız sonuçlar</translation>
    </message>
    <message>
        <source>Division: fraction results</source>
        <translation>Bölme: kalanlı sonuçlar</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>Toplama</translation>
    </message>
    <message>
        <source>Include addition</source>
        <translation>Toplamayı dahil et</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Çıkarma</translation>
    </message>
    <message>
        <source>Include subtraction</source>
        <translation>Çıkarmayı dahil et</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Çarpma</translation>
    </message>
    <message>
        <source>Include multiplication</source>
        <translation>Çarpmayı dahil et</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>Bölme</translation>
    </message>
    <message>
        <source>Include division</source>
        <translation>Bölmeyi dahil et</translation>
    </message>
    <message>
        <source>Tallywick - Setup</source>
        <translation>Tallywick - Ayarlar</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>saniye sonra</translation>
    </message>
    <message numerus="yes">
        <source>Seconds</source>
        <comment>after a whole number of seconds</comment>
        <translation>
            <numerusform>saniye sonra</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Seconds</source>
        <comment>after a wait with tenths of a second</comment>
        <translation>
            <numerusform>saniye sonra</numerusform>
        </translation>
    </message>
    <message>
        <source>to</source>
        <translation>ile</translation>
    </message>
    <message>
        <source>Bottom Term</source>
        <translation>Alttaki sayı</translation>
    </message>
    <message>
        <source>Top Term</source>
        <translation>Üstteki sayı</translation>
    </message>
    <message>
        <source>Term Limits</source>
        <translation>Sayı aralığı</translation>
    </message>
    <message>
        <source>Show Answer</source>
        <translation>Sonucu göster</translation>
    </message>
    <message>
        <source>Operations and Results</source>
        <translation>İşlemler ve sonuçlar</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>saniye sonra</translation>
    </message>
    <message>
        <source>Top term, lower limit</source>
        <translation>Üstteki sayı, alt sınır</translation>
    </message>
    <message>
        <source>Top term, upper limit</source>
        <translation>Üstteki sayı, üst sınır</translation>
    </message>
    <message>
        <source>Bottom term, lower limit</source>
        <translation>Alttaki sayı, alt sınır</translation>
    </message>
    <message>
        <source>Bottom term, upper limit</source>
        <translation>Alttaki sayı, üst sınır</translation>
    </message>
    <message>
        <source>S W A P</source>
        <translation>D E Ğ İ Ş T İ R</translation>
    </message>
    <message>
        <source>Swap the top and bottom term limits</source>
        <translation>Üstteki ve alttaki sayının aralıklarını birbiriyle değiştir</translation>
    </message>
    <message>
        <source>Don&apos;t show it</source>
        <translation>Gösterme</translation>
    </message>
    <message>
        <source>Don&apos;t show the result</source>
        <translation>Sonucu gösterme</translation>
    </message>
    <message>
        <source>Show after</source>
        <translation>Göster:</translation>
    </message>
    <message>
        <source>Show the result after the wait</source>
        <translation>Sonucu bekleme süresinden sonra göster</translation>
    </message>
    <message>
        <source>Wait in seconds</source>
        <translation>Saniye cinsinden bekleme</translation>
    </message>
    <message>
        <source>Wait</source>
        <translation>Bekleme</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Kapat</translation>
    </message>
    <message>
        <source>Include</source>
        <translation>Dahil et</translation>
    </message>
    <message>
        <source>Positive</source>
        <translation>Pozitif</translation>
    </message>
    <message>
        <source>Negative</source>
        <translation>Negatif</translation>
    </message>
    <message>
        <source>Zero</source>
        <translation>Sıfır</translation>
    </message>
    <message>
        <source>Whole</source>
        <translation>Kalansız</translation>
    </message>
    <message>
        <source>Fraction</source>
        <translation>Kalanlı</translation>
    </message>
    <message>
        <source>Included</source>
        <translation>Dahil</translation>
    </message>
</context>
</TS>
