<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>ShowMessage</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>No problem shown</source>
        <translation>Nenhuma conta mostrada</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A part of the problem and what it shows, as a screen reader says it: &quot;Operator: times&quot;.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>New Problem</source>
        <translation>Nova conta</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>Sinal</translation>
    </message>
    <message>
        <source>Top term</source>
        <translation>Número superior</translation>
    </message>
    <message>
        <source>Bottom term</source>
        <translation>Número inferior</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>%1 equals %2</source>
        <extracomment>The problem as a screen reader says it, then its result: &quot;7 plus 5 equals 12&quot;, &quot;7 divided by 2 equals 3 and one half&quot;.</extracomment>
        <translation>%1 igual a %2</translation>
    </message>
    <message>
        <source>No problem fits the current settings.

Open Setup and allow more kinds of result for the included operations, or change the term limits.</source>
        <translation>Nenhuma conta atende aos ajustes atuais.

Abra os ajustes e permita mais tipos de resultado para as operações incluídas, ou mude a faixa dos números.</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>mais</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>menos</translation>
    </message>
    <message>
        <source>times</source>
        <translation>vezes</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>dividido por</translation>
    </message>
    <message>
        <source>one half</source>
        <translation>um meio</translation>
    </message>
    <message>
        <source>one third</source>
        <translation>um terço</translation>
    </message>
    <message numerus="yes">
        <source>%n thirds</source>
        <translation>
            <numerusform>%n terço</numerusform>
            <numerusform>%n terços</numerusform>
        </translation>
    </message>
    <message>
        <source>one quarter</source>
        <translation>um quarto</translation>
    </message>
    <message numerus="yes">
        <source>%n quarters</source>
        <translation>
            <numerusform>%n quarto</numerusform>
            <numerusform>%n quartos</numerusform>
        </translation>
    </message>
    <message>
        <source>one fifth</source>
        <translation>um quinto</translation>
    </message>
    <message numerus="yes">
        <source>%n fifths</source>
        <translation>
            <numerusform>%n quinto</numerusform>
            <numerusform>%n quintos</numerusform>
        </translation>
    </message>
    <message>
        <source>one sixth</source>
        <translation>um sexto</translation>
    </message>
    <message numerus="yes">
        <source>%n sixths</source>
        <translation>
            <numerusform>%n sexto</numerusform>
            <numerusform>%n sextos</numerusform>
        </translation>
    </message>
    <message>
        <source>one seventh</source>
        <translation>um sétimo</translation>
    </message>
    <message numerus="yes">
        <source>%n sevenths</source>
        <translation>
            <numerusform>%n sétimo</numerusform>
            <numerusform>%n sétimos</numerusform>
        </translation>
    </message>
    <message>
        <source>one eighth</source>
        <translation>um oitavo</translation>
    </message>
    <message numerus="yes">
        <source>%n eighths</source>
        <translation>
            <numerusform>%n oitavo</numerusform>
            <numerusform>%n oitavos</numerusform>
        </translation>
    </message>
    <message>
        <source>one ninth</source>
        <translation>um nono</translation>
    </message>
    <message numerus="yes">
        <source>%n ninths</source>
        <translation>
            <numerusform>%n nono</numerusform>
            <numerusform>%n nonos</numerusform>
        </translation>
    </message>
    <message>
        <source>one tenth</source>
        <translation>um décimo</translation>
    </message>
    <message numerus="yes">
        <source>%n tenths</source>
        <translation>
            <numerusform>%n décimo</numerusform>
            <numerusform>%n décimos</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 over %2</source>
        <extracomment>A fraction whose denominator has no name of its own, said as a formula is read: &quot;15 over 17&quot;.</extracomment>
        <translation>%1 sobre %2</translation>
    </message>
    <message numerus="yes">
        <source>%n and %1</source>
        <extracomment>A whole number and a fraction, as a mixed number is said: &quot;3 and one half&quot;.</extracomment>
        <translation>
            <numerusform>%n e %1</numerusform>
            <numerusform>%n e %1</numerusform>
        </translation>
    </message>
    <message>
        <source>minus %1</source>
        <extracomment>A negative mixed number or fraction: &quot;minus 3 and one half&quot;.</extracomment>
        <translation>menos %1</translation>
    </message>
</context>
<context>
    <name>frmSetup</name>
    <message>
        <source>Addition: positive results</source>
        <translation>Adição: resultados positivos</translation>
    </message>
    <message>
        <source>Addition: zero results</source>
        <translation>Adição: resultado zero</translation>
    </message>
    <message>
        <source>Addition: negative results</source>
        <translation>Adição: resultados negativos</translation>
    </message>
    <message>
        <source>Subtraction: positive results</source>
        <translation>Subtração: resultados positivos</translation>
    </message>
    <message>
        <source>Subtraction: zero results</source>
        <translation>Subtração: resultado zero</translation>
    </message>
    <message>
        <source>Subtraction: negative results</source>
        <translation>Subtração: resultados negativos</translation>
    </message>
    <message>
        <source>Multiplication: positive results</source>
        <translation>Multiplicação: resultados positivos</translation>
    </message>
    <message>
        <source>Multiplication: negative results</source>
        <translation>Multiplicação: resultados negativos</translation>
    </message>
    <message>
        <source>Division: positive results</source>
        <translation>Divisão: resultados positivos</translation>
    </message>
    <message>
        <source>Division: negative results</source>
        <translation>Divisão: resultados negativos</translation>
    </message>
    <message>
        <source>Division: whole results</source>
        <translation>Divisão: resultados exatos</translation>
    </message>
    <message>
        <source>Division: fraction results</source>
        <translation>Divisão: resultados não exatos</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>Adição</translation>
    </message>
    <message>
        <source>Include addition</source>
        <translation>Incluir a adição</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Subtração</translation>
    </message>
    <message>
        <source>Include subtraction</source>
        <translation>Incluir a subtração</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Multiplicação</translation>
    </message>
    <message>
        <source>Include multiplication</source>
        <translation>Incluir a multiplicação</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>Divisão</translation>
    </message>
    <message>
        <source>Include division</source>
        <translation>Incluir a divisão</translation>
    </message>
    <message>
        <source>Tallywick - Setup</source>
        <translation>Tallywick - Ajustes</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>segundo</translation>
    </message>
    <message numerus="yes">
        <source>Seconds</source>
        <comment>after a whole number of seconds</comment>
        <translation>
            <numerusform>segundo</numerusform>
            <numerusform>segundos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Seconds</source>
        <comment>after a wait with tenths of a second</comment>
        <translation>
            <numerusform>segundo</numerusform>
            <numerusform>segundos</numerusform>
        </translation>
    </message>
    <message>
        <source>to</source>
        <translation>a</translation>
    </message>
    <message>
        <source>Bottom Term</source>
        <translation>Número inferior</translation>
    </message>
    <message>
        <source>Top Term</source>
        <translation>Número superior</translation>
    </message>
    <message>
        <source>Term Limits</source>
        <translation>Faixa dos números</translation>
    </message>
    <message>
        <source>Show Answer</source>
        <translation>Mostrar resultado</translation>
    </message>
    <message>
        <source>Operations and Results</source>
        <translation>Operações e resultados</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>segundos</translation>
    </message>
    <message>
        <source>Top term, lower limit</source>
        <translation>Número superior, limite inferior</translation>
    </message>
    <message>
        <source>Top term, upper limit</source>
        <translation>Número superior, limite superior</translation>
    </message>
    <message>
        <source>Bottom term, lower limit</source>
        <translation>Número inferior, limite inferior</translation>
    </message>
    <message>
        <source>Bottom term, upper limit</source>
        <translation>Número inferior, limite superior</translation>
    </message>
    <message>
        <source>S W A P</source>
        <translation>T R O C A R</translation>
    </message>
    <message>
        <source>Swap the top and bottom term limits</source>
        <translation>Trocar os limites do número superior e do inferior</translation>
    </message>
    <message>
        <source>Don&apos;t show it</source>
        <translation>Não mostrar</translation>
    </message>
    <message>
        <source>Don&apos;t show the result</source>
        <translation>Não mostrar o resultado</translation>
    </message>
    <message>
        <source>Show after</source>
        <translation>Após</translation>
    </message>
    <message>
        <source>Show the result after the wait</source>
        <translation>Mostrar o resultado após a espera</translation>
    </message>
    <message>
        <source>Wait in seconds</source>
        <translation>Espera em segundos</translation>
    </message>
    <message>
        <source>Wait</source>
        <translation>Espera</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Include</source>
        <translation>Incluir</translation>
    </message>
    <message>
        <source>Positive</source>
        <translation>Positivo</translation>
    </message>
    <message>
        <source>Negative</source>
        <translation>Negativo</translation>
    </message>
    <message>
        <source>Zero</source>
        <translation>Zero</translation>
    </message>
    <message>
        <source>Whole</source>
        <translation>Exata</translation>
    </message>
    <message>
        <source>Fraction</source>
        <translation>Inexata</translation>
    </message>
    <message>
        <source>Included</source>
        <translation>Incluída</translation>
    </message>
</context>
</TS>
