<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk">
<context>
    <name>ShowMessage</name>
    <message>
        <source>OK</source>
        <translation>Гаразд</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>No problem shown</source>
        <translation>Приклад не показано</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A part of the problem and what it shows, as a screen reader says it: &quot;Operator: times&quot;.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Опції</translation>
    </message>
    <message>
        <source>New Problem</source>
        <translation>Ще приклад</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Вихід</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>Знак дії</translation>
    </message>
    <message>
        <source>Top term</source>
        <translation>Верхнє число</translation>
    </message>
    <message>
        <source>Bottom term</source>
        <translation>Нижнє число</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Відповідь</translation>
    </message>
    <message>
        <source>%1 equals %2</source>
        <extracomment>The problem as a screen reader says it, then its result: &quot;7 plus 5 equals 12&quot;, &quot;7 divided by 2 equals 3 and one half&quot;.</extracomment>
        <translation>%1 дорівнює %2</translation>
    </message>
    <message>
        <source>No problem fits the current settings.

Open Setup and allow more kinds of result for the included operations, or change the term limits.</source>
        <translation>Жоден приклад не відповідає поточним параметрам.

Відкрийте опції та дозвольте більше видів відповіді для обраних дій або змініть діапазони чисел.</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>плюс</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>мінус</translation>
    </message>
    <message>
        <source>times</source>
        <translation>помножити на</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>поділити на</translation>
    </message>
    <message>
        <source>one half</source>
        <translation>одна друга</translation>
    </message>
    <message>
        <source>one third</source>
        <translation>одна третя</translation>
    </message>
    <message numerus="yes">
        <source>%n thirds</source>
        <translation>
            <numerusform>%n третя</numerusform>
            <numerusform>%n третіх</numerusform>
            <numerusform>%n третіх</numerusform>
        </translation>
    </message>
    <message>
        <source>one quarter</source>
        <translation>одна четверта</translation>
    </message>
    <message numerus="yes">
        <source>%n quarters</source>
        <translation>
            <numerusform>%n четверта</numerusform>
            <numerusform>%n четвертих</numerusform>
            <numerusform>%n четвертих</numerusform>
        </translation>
    </message>
    <message>
        <source>one fifth</source>
        <translation>одна п&apos;ята</translation>
    </message>
    <message numerus="yes">
        <source>%n fifths</source>
        <translation>
            <numerusform>%n п&apos;ята</numerusform>
            <numerusform>%n п&apos;ятих</numerusform>
            <numerusform>%n п&apos;ятих</numerusform>
        </translation>
    </message>
    <message>
        <source>one sixth</source>
        <translation>одна шоста</translation>
    </message>
    <message numerus="yes">
        <source>%n sixths</source>
        <translation>
            <numerusform>%n шоста</numerusform>
            <numerusform>%n шостих</numerusform>
            <numerusform>%n шостих</numerusform>
        </translation>
    </message>
    <message>
        <source>one seventh</source>
        <translation>одна сьома</translation>
    </message>
    <message numerus="yes">
        <source>%n sevenths</source>
        <translation>
            <numerusform>%n сьома</numerusform>
            <numerusform>%n сьомих</numerusform>
            <numerusform>%n сьомих</numerusform>
        </translation>
    </message>
    <message>
        <source>one eighth</source>
        <translation>одна восьма</translation>
    </message>
    <message numerus="yes">
        <source>%n eighths</source>
        <translation>
            <numerusform>%n восьма</numerusform>
            <numerusform>%n восьмих</numerusform>
            <numerusform>%n восьмих</numerusform>
        </translation>
    </message>
    <message>
        <source>one ninth</source>
        <translation>одна дев&apos;ята</translation>
    </message>
    <message numerus="yes">
        <source>%n ninths</source>
        <translation>
            <numerusform>%n дев&apos;ята</numerusform>
            <numerusform>%n дев&apos;ятих</numerusform>
            <numerusform>%n дев&apos;ятих</numerusform>
        </translation>
    </message>
    <message>
        <source>one tenth</source>
        <translation>одна десята</translation>
    </message>
    <message numerus="yes">
        <source>%n tenths</source>
        <translation>
            <numerusform>%n десята</numerusform>
            <numerusform>%n десятих</numerusform>
            <numerusform>%n десятих</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 over %2</source>
        <extracomment>A fraction whose denominator has no name of its own, said as a formula is read: &quot;15 over 17&quot;.</extracomment>
        <translation>%1 дріб %2</translation>
    </message>
    <message numerus="yes">
        <source>%n and %1</source>
        <extracomment>A whole number and a fraction, as a mixed number is said: &quot;3 and one half&quot;.</extracomment>
        <translation>
            <numerusform>%n ціла %1</numerusform>
            <numerusform>%n цілих %1</numerusform>
            <numerusform>%n цілих %1</numerusform>
        </translation>
    </message>
    <message>
        <source>minus %1</source>
        <extracomment>A negative mixed number or fraction: &quot;minus 3 and one half&quot;.</extracomment>
        <translation>мінус %1</translation>
    </message>
</context>
<context>
    <name>frmSetup</name>
    <message>
        <source>Addition: positive results</source>
        <translation>Додавання: додатні відповіді</translation>
    </message>
    <message>
        <source>Addition: zero results</source>
        <translation>Додавання: відповідь нуль</translation>
    </message>
    <message>
        <source>Addition: negative results</source>
        <translation>Додавання: від&apos;ємні відповіді</translation>
    </message>
    <message>
        <source>Subtraction: positive results</source>
        <translation>Віднімання: додатні відповіді</translation>
    </message>
    <message>
        <source>Subtraction: zero results</source>
        <translation>Віднімання: відповідь нуль</translation>
    </message>
    <message>
        <source>Subtraction: negative results</source>
        <translation>Віднімання: від&apos;ємні відповіді</translation>
    </message>
    <message>
        <source>Multiplication: positive results</source>
        <translation>Множення: додатні відповіді</translation>
    </message>
    <message>
        <source>Multiplication: negative results</source>
        <translation>Множення: від&apos;ємні відповіді</translation>
    </message>
    <message>
        <source>Division: positive results</source>
        <translation>Ділення: додатні відповіді</translation>
    </message>
    <message>
        <source>Division: negative results</source>
        <translation>Ділення: від&apos;ємні відповіді</translation>
    </message>
    <message>
        <source>Division: whole results</source>
        <translation>Ділення: цілі відповіді</translation>
    </message>
    <message>
        <source>Division: fraction results</source>
        <translation>Ділення: дробові відповіді</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>Додавання</translation>
    </message>
    <message>
        <source>Include addition</source>
        <translation>Обрати додавання</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Віднімання</translation>
    </message>
    <message>
        <source>Include subtraction</source>
        <translation>Обрати віднімання</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Множення</translation>
    </message>
    <message>
        <source>Include multiplication</source>
        <translation>Обрати множення</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>Ділення</translation>
    </message>
    <message>
        <source>Include division</source>
        <translation>Обрати ділення</translation>
    </message>
    <message>
        <source>Tallywick - Setup</source>
        <translation>Tallywick - Опції</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>секунду</translation>
    </message>
    <message numerus="yes">
        <source>Seconds</source>
        <comment>after a whole number of seconds</comment>
        <translation>
            <numerusform>секунду</numerusform>
            <numerusform>секунди</numerusform>
            <numerusform>секунд</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Seconds</source>
        <comment>after a wait with tenths of a second</comment>
        <translation>
            <numerusform>секунди</numerusform>
            <numerusform>секунди</numerusform>
            <numerusform>секунди</numerusform>
        </translation>
    </message>
    <message>
        <source>to</source>
        <translation>до</translation>
    </message>
    <message>
        <source>Bottom Term</source>
        <translation>Нижнє число</translation>
    </message>
    <message>
        <source>Top Term</source>
        <translation>Верхнє число</translation>
    </message>
    <message>
        <source>Term Limits</source>
        <translation>Діапазон чисел</translation>
    </message>
    <message>
        <source>Show Answer</source>
        <translation>Показ відповіді</translation>
    </message>
    <message>
        <source>Operations and Results</source>
        <translation>Дії та відповіді</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>секунд</translation>
    </message>
    <message>
        <source>Top term, lower limit</source>
        <translation>Верхнє число, нижня межа</translation>
    </message>
    <message>
        <source>Top term, upper limit</source>
        <translation>Верхнє число, верхня межа</translation>
    </message>
    <message>
        <source>Bottom term, lower limit</source>
        <translation>Нижнє число, нижня межа</translation>
    </message>
    <message>
        <source>Bottom term, upper limit</source>
        <translation>Нижнє число, верхня межа</translation>
    </message>
    <message>
        <source>S W A P</source>
        <translation>П О М І Н Я Й</translation>
    </message>
    <message>
        <source>Swap the top and bottom term limits</source>
        <translation>Поміняти місцями діапазони верхнього й нижнього чисел</translation>
    </message>
    <message>
        <source>Don&apos;t show it</source>
        <translation>Не показувати</translation>
    </message>
    <message>
        <source>Don&apos;t show the result</source>
        <translation>Не показувати відповідь</translation>
    </message>
    <message>
        <source>Show after</source>
        <translation>Через</translation>
    </message>
    <message>
        <source>Show the result after the wait</source>
        <translation>Показати відповідь після очікування</translation>
    </message>
    <message>
        <source>Wait in seconds</source>
        <translation>Очікування в секундах</translation>
    </message>
    <message>
        <source>Wait</source>
        <translation>Очікування</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрити</translation>
    </message>
    <message>
        <source>Include</source>
        <translation>Обрати</translation>
    </message>
    <message>
        <source>Positive</source>
        <translation>Додатне</translation>
    </message>
    <message>
        <source>Negative</source>
        <translation>Від&apos;ємне</translation>
    </message>
    <message>
        <source>Zero</source>
        <translation>Нуль</translation>
    </message>
    <message>
        <source>Whole</source>
        <translation>Ціле</translation>
    </message>
    <message>
        <source>Fraction</source>
        <translation>Дробове</translation>
    </message>
    <message>
        <source>Included</source>
        <translation>Обрано</translation>
    </message>
</context>
</TS>
