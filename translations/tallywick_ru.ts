<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>ShowMessage</name>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>No problem shown</source>
        <translation>Пример не показан</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A part of the problem and what it shows, as a screen reader says it: &quot;Operator: times&quot;.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Опции</translation>
    </message>
    <message>
        <source>New Problem</source>
        <translation>Ещё пример</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>Знак действия</translation>
    </message>
    <message>
        <source>Top term</source>
        <translation>Верхнее число</translation>
    </message>
    <message>
        <source>Bottom term</source>
        <translation>Нижнее число</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Ответ</translation>
    </message>
    <message>
        <source>%1 equals %2</source>
        <extracomment>The problem as a screen reader says it, then its result: &quot;7 plus 5 equals 12&quot;, &quot;7 divided by 2 equals 3 and one half&quot;.</extracomment>
        <translation>%1 равно %2</translation>
    </message>
    <message>
        <source>No problem fits the current settings.

Open Setup and allow more kinds of result for the included operations, or change the term limits.</source>
        <translation>Ни один пример не подходит под текущие настройки.

Откройте настройку и разрешите больше видов ответа для выбранных действий или измените диапазоны чисел.</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>плюс</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>минус</translation>
    </message>
    <message>
        <source>times</source>
        <translation>умножить на</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>разделить на</translation>
    </message>
    <message>
        <source>one half</source>
        <translation>одна вторая</translation>
    </message>
    <message>
        <source>one third</source>
        <translation>одна третья</translation>
    </message>
    <message numerus="yes">
        <source>%n thirds</source>
        <translation>
            <numerusform>%n третья</numerusform>
            <numerusform>%n третьих</numerusform>
            <numerusform>%n третьих</numerusform>
        </translation>
    </message>
    <message>
        <source>one quarter</source>
        <translation>одна четвёртая</translation>
    </message>
    <message numerus="yes">
        <source>%n quarters</source>
        <translation>
            <numerusform>%n четвёртая</numerusform>
            <numerusform>%n четвёртых</numerusform>
            <numerusform>%n четвёртых</numerusform>
        </translation>
    </message>
    <message>
        <source>one fifth</source>
        <translation>одна пятая</translation>
    </message>
    <message numerus="yes">
        <source>%n fifths</source>
        <translation>
            <numerusform>%n пятая</numerusform>
            <numerusform>%n пятых</numerusform>
            <numerusform>%n пятых</numerusform>
        </translation>
    </message>
    <message>
        <source>one sixth</source>
        <translation>одна шестая</translation>
    </message>
    <message numerus="yes">
        <source>%n sixths</source>
        <translation>
            <numerusform>%n шестая</numerusform>
            <numerusform>%n шестых</numerusform>
            <numerusform>%n шестых</numerusform>
        </translation>
    </message>
    <message>
        <source>one seventh</source>
        <translation>одна седьмая</translation>
    </message>
    <message numerus="yes">
        <source>%n sevenths</source>
        <translation>
            <numerusform>%n седьмая</numerusform>
            <numerusform>%n седьмых</numerusform>
            <numerusform>%n седьмых</numerusform>
        </translation>
    </message>
    <message>
        <source>one eighth</source>
        <translation>одна восьмая</translation>
    </message>
    <message numerus="yes">
        <source>%n eighths</source>
        <translation>
            <numerusform>%n восьмая</numerusform>
            <numerusform>%n восьмых</numerusform>
            <numerusform>%n восьмых</numerusform>
        </translation>
    </message>
    <message>
        <source>one ninth</source>
        <translation>одна девятая</translation>
    </message>
    <message numerus="yes">
        <source>%n ninths</source>
        <translation>
            <numerusform>%n девятая</numerusform>
            <numerusform>%n девятых</numerusform>
            <numerusform>%n девятых</numerusform>
        </translation>
    </message>
    <message>
        <source>one tenth</source>
        <translation>одна десятая</translation>
    </message>
    <message numerus="yes">
        <source>%n tenths</source>
        <translation>
            <numerusform>%n десятая</numerusform>
            <numerusform>%n десятых</numerusform>
            <numerusform>%n десятых</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 over %2</source>
        <extracomment>A fraction whose denominator has no name of its own, said as a formula is read: &quot;15 over 17&quot;.</extracomment>
        <translation>%1 дробь %2</translation>
    </message>
    <message numerus="yes">
        <source>%n and %1</source>
        <extracomment>A whole number and a fraction, as a mixed number is said: &quot;3 and one half&quot;.</extracomment>
        <translation>
            <numerusform>%n целая %1</numerusform>
            <numerusform>%n целых %1</numerusform>
            <numerusform>%n целых %1</numerusform>
        </translation>
    </message>
    <message>
        <source>minus %1</source>
        <extracomment>A negative mixed number or fraction: &quot;minus 3 and one half&quot;.</extracomment>
        <translation>минус %1</translation>
    </message>
</context>
<context>
    <name>frmSetup</name>
    <message>
        <source>Addition: positive results</source>
        <translation>Сложение: положительные ответы</translation>
    </message>
    <message>
        <source>Addition: zero results</source>
        <translation>Сложение: ответ ноль</translation>
    </message>
    <message>
        <source>Addition: negative results</source>
        <translation>Сложение: отрицательные ответы</translation>
    </message>
    <message>
        <source>Subtraction: positive results</source>
        <translation>Вычитание: положительные ответы</translation>
    </message>
    <message>
        <source>Subtraction: zero results</source>
        <translation>Вычитание: ответ ноль</translation>
    </message>
    <message>
        <source>Subtraction: negative results</source>
        <translation>Вычитание: отрицательные ответы</translation>
    </message>
    <message>
        <source>Multiplication: positive results</source>
        <translation>Умножение: положительные ответы</translation>
    </message>
    <message>
        <source>Multiplication: negative results</source>
        <translation>Умножение: отрицательные ответы</translation>
    </message>
    <message>
        <source>Division: positive results</source>
        <translation>Деление: положительные ответы</translation>
    </message>
    <message>
        <source>Division: negative results</source>
        <translation>Деление: отрицательные ответы</translation>
    </message>
    <message>
        <source>Division: whole results</source>
        <translation>Деление: целые ответы</translation>
    </message>
    <message>
        <source>Division: fraction results</source>
        <translation>Деление: дробные ответы</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>Сложение</translation>
    </message>
    <message>
        <source>Include addition</source>
        <translation>Выбрать сложение</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Вычитание</translation>
    </message>
    <message>
        <source>Include subtraction</source>
        <translation>Выбрать вычитание</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Умножение</translation>
    </message>
    <message>
        <source>Include multiplication</source>
        <translation>Выбрать умножение</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>Деление</translation>
    </message>
    <message>
        <source>Include division</source>
        <translation>Выбрать деление</translation>
    </message>
    <message>
        <source>Tallywick - Setup</source>
        <translation>Tallywick - Опции</translation>
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
            <numerusform>секунды</numerusform>
            <numerusform>секунд</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Seconds</source>
        <comment>after a wait with tenths of a second</comment>
        <translation>
            <numerusform>секунды</numerusform>
            <numerusform>секунды</numerusform>
            <numerusform>секунды</numerusform>
        </translation>
    </message>
    <message>
        <source>to</source>
        <translation>до</translation>
    </message>
    <message>
        <source>Bottom Term</source>
        <translation>Нижнее число</translation>
    </message>
    <message>
        <source>Top Term</source>
        <translation>Верхнее число</translation>
    </message>
    <message>
        <source>Term Limits</source>
        <translation>Диапазон чисел</translation>
    </message>
    <message>
        <source>Show Answer</source>
        <translation>Показ ответа</translation>
    </message>
    <message>
        <source>Operations and Results</source>
        <translation>Действия и ответы</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>секунд</translation>
    </message>
    <message>
        <source>Top term, lower limit</source>
        <translation>Верхнее число, нижняя граница</translation>
    </message>
    <message>
        <source>Top term, upper limit</source>
        <translation>Верхнее число, верхняя граница</translation>
    </message>
    <message>
        <source>Bottom term, lower limit</source>
        <translation>Нижнее число, нижняя граница</translation>
    </message>
    <message>
        <source>Bottom term, upper limit</source>
        <translation>Нижнее число, верхняя граница</translation>
    </message>
    <message>
        <source>S W A P</source>
        <translation>П О М Е Н Я Й</translation>
    </message>
    <message>
        <source>Swap the top and bottom term limits</source>
        <translation>Поменять местами диапазоны верхнего и нижнего чисел</translation>
    </message>
    <message>
        <source>Don&apos;t show it</source>
        <translation>Не показывать</translation>
    </message>
    <message>
        <source>Don&apos;t show the result</source>
        <translation>Не показывать ответ</translation>
    </message>
    <message>
        <source>Show after</source>
        <translation>Через</translation>
    </message>
    <message>
        <source>Show the result after the wait</source>
        <translation>Показать ответ после ожидания</translation>
    </message>
    <message>
        <source>Wait in seconds</source>
        <translation>Ожидание в секундах</translation>
    </message>
    <message>
        <source>Wait</source>
        <translation>Ожидание</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Include</source>
        <translation>Выбрать</translation>
    </message>
    <message>
        <source>Positive</source>
        <translation>Полож.</translation>
    </message>
    <message>
        <source>Negative</source>
        <translation>Отриц.</translation>
    </message>
    <message>
        <source>Zero</source>
        <translation>Ноль</translation>
    </message>
    <message>
        <source>Whole</source>
        <translation>Целый</translation>
    </message>
    <message>
        <source>Fraction</source>
        <translation>Дробный</translation>
    </message>
    <message>
        <source>Included</source>
        <translation>Выбрано</translation>
    </message>
</context>
</TS>
