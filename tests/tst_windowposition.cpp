#include "testSupport.h"

#include "app/modSubMain.h"
#include "drill/frmMain.h"
#include "model/modGlobalsConstants.h"
#include "model/modStoredPosition.h"
#include "model/modTwips.h"
#include "widgets/modWindowPosition.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>

#include <optional>

#ifdef Q_OS_WIN
#include <windows.h>

#include <sddl.h>
#endif

namespace
{

void writeStored(const QString &top, const QString &left)
{
    QSettings settings = store();
    settings.setValue(QStringLiteral("frmMain/Top"), top);
    settings.setValue(QStringLiteral("frmMain/Left"), left);
}

QVariant readStored(const char *key)
{
    return store().value(QStringLiteral("frmMain/") + QLatin1String(key));
}

#ifdef Q_OS_WIN
// frmMain's registry key in the test's own store.
std::wstring frmMainKey()
{
    return QStringLiteral("Software\\%1\\frmMain")
        .arg(QCoreApplication::applicationName())
        .toStdWString();
}

// Grants the user what the security descriptor says on frmMain's key, as an administrator could.
void restrictFrmMain(const wchar_t *descriptor)
{
    HKEY key = nullptr;
    PSECURITY_DESCRIPTOR security = nullptr;
    RegOpenKeyExW(HKEY_CURRENT_USER, frmMainKey().c_str(), 0, WRITE_DAC, &key);
    ConvertStringSecurityDescriptorToSecurityDescriptorW(descriptor, SDDL_REVISION_1, &security,
                                                         nullptr);
    RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, security);
    LocalFree(security);
    RegCloseKey(key);
}
#else
// Runs the current row again as nobody, for whom a store's permissions hold, in a copy of this
// suite where nobody may run it; root reads and writes past them.
void runRowAsNobody()
{
    const QString setpriv = QStandardPaths::findExecutable(QStringLiteral("setpriv"));
    if (setpriv.isEmpty())
        QSKIP("root reads and writes past this fault, and there is no setpriv to run it as nobody");
    QTemporaryDir folder;
    const QString copy = folder.filePath(QStringLiteral("suite"));
    QVERIFY(QFile::copy(QCoreApplication::applicationFilePath(), copy));
    QVERIFY(QFile::setPermissions(folder.path(), QFile::permissions(copy)));
    QProcess run;
    run.setProcessChannelMode(QProcess::MergedChannels);
    run.start(setpriv,
              {"--reuid=nobody", "--regid=nogroup", "--clear-groups", copy,
               QLatin1String(QTest::currentTestFunction()) + ':' + QTest::currentDataTag()});
    QVERIFY(run.waitForFinished(120000));
    const QByteArray output = run.readAll();
    QVERIFY2(run.exitCode() == 0 && output.contains(" 0 skipped") && output.contains("PASS   : "),
             output.constData());
}
#endif

} // namespace

class tst_WindowPosition : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void parse_data();
    void parse();
    void format_data();
    void format();
    void firstRunOpensAtDefault();
    void closingStoresAndReopensThere_data();
    void closingStoresAndReopensThere();
    void badStoredValueUsesDefault_data();
    void badStoredValueUsesDefault();
    void unusableStoreFile_data();
    void unusableStoreFile();
    void storeFaultsLeaveAWorkingProgram_data();
    void storeFaultsLeaveAWorkingProgram();

private:
    QString storeFile() const { return store().fileName(); }
    void removeStoreFile();
};

void tst_WindowPosition::init()
{
    SetDefaultSettings();
    removeStoreFile();
}

void tst_WindowPosition::cleanup()
{
    closeAllWindows();
    removeStoreFile();
}

void tst_WindowPosition::removeStoreFile()
{
    const QString path = storeFile();
    if (QFileInfo(path).isDir())
        QDir(path).removeRecursively();
    QSettings settings = store();
    settings.clear();
    settings.sync();
    QFile::remove(path);
}

void tst_WindowPosition::parse_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<std::optional<int>>("expected");

    const std::optional<int> none;
    QTest::newRow("plain") << "1440" << std::optional<int>(1440);
    QTest::newRow("zero") << "0" << std::optional<int>(0);
    QTest::newRow("negative") << "-1500" << std::optional<int>(-1500);
    QTest::newRow("surrounding blanks") << " 1440 " << std::optional<int>(1440);
    QTest::newRow("fraction rounds down") << "1440.4" << std::optional<int>(1440);
    QTest::newRow("half to even, down") << "1440.5" << std::optional<int>(1440);
    QTest::newRow("half to even, up") << "1441.5" << std::optional<int>(1442);
    QTest::newRow("exponent") << "1.5e3" << std::optional<int>(1500);
    QTest::newRow("largest screen coordinate") << "491505" << std::optional<int>(491505);
    QTest::newRow("smallest screen coordinate") << "-491505" << std::optional<int>(-491505);
    QTest::newRow("beyond a screen coordinate") << "491520" << none;
    QTest::newRow("below single precision is 0") << "1e-46" << std::optional<int>(0);
    QTest::newRow("below double precision is 0") << "-1e-400" << std::optional<int>(0);
    QTest::newRow("beyond double precision") << "1e400" << none;
    QTest::newRow("hexadecimal") << "0x10" << none;
    QTest::newRow("far beyond") << "1e30" << none;
    QTest::newRow("beyond single precision") << "1e39" << none;
    QTest::newRow("not a number") << "abc" << none;
    QTest::newRow("number then text") << "100abc" << none;
    QTest::newRow("empty") << "" << none;
    QTest::newRow("blank") << "   " << none;
    QTest::newRow("NaN") << "NaN" << none;
    QTest::newRow("inf") << "inf" << none;
    QTest::newRow("-inf") << "-inf" << none;
    QTest::newRow("decimal comma") << "1440,5" << none;
}

void tst_WindowPosition::parse()
{
    QFETCH(QString, text);
    QFETCH(std::optional<int>, expected);

    QCOMPARE(ParseStoredPosition(text), expected);
}

void tst_WindowPosition::format_data()
{
    QTest::addColumn<int>("twips");
    QTest::addColumn<QString>("text");

    QTest::newRow("default") << 100 << "100";
    QTest::newRow("zero") << 0 << "0";
    QTest::newRow("negative") << -1500 << "-1500";
    QTest::newRow("largest") << 491505 << "491505";
}

void tst_WindowPosition::format()
{
    QFETCH(int, twips);
    QFETCH(QString, text);

    QCOMPARE(FormatStoredPosition(twips), text);
    QCOMPARE(ParseStoredPosition(text), std::optional<int>(twips));
}

void tst_WindowPosition::firstRunOpensAtDefault()
{
    QPointer<frmMain> window = Main();
    QCOMPARE(window->pos(), QPoint(twips(100), twips(100)));
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QCOMPARE(window->pos(), QPoint(twips(100), twips(100)));

    // Closing untouched writes the default back as it was, although 100 twips is no whole number
    // of pixels; a window that moved writes where it went.
    window->close();
    QTRY_VERIFY(window.isNull());
    QCOMPARE(readStored("Top").toString(), QStringLiteral("100"));
    QCOMPARE(readStored("Left").toString(), QStringLiteral("100"));

    window = Main();
    window->move(window->pos() + QPoint(1, 2));
    window->close();
    QTRY_VERIFY(window.isNull());
    QCOMPARE(readStored("Top").toString(), QStringLiteral("135"));
    QCOMPARE(readStored("Left").toString(), QStringLiteral("120"));
}

void tst_WindowPosition::closingStoresAndReopensThere_data()
{
    QTest::addColumn<QPoint>("pixels");
    QTest::addColumn<bool>("byQuit");
    // On a screen of 1024 x 768, with one of 400 x 300 at 1024, 200 to its right.
    QTest::addColumn<QPoint>("reopened");

    for (const bool byQuit : {true, false}) {
        const char *how = byQuit ? "Quit" : "close control";
        QTest::addRow("%s, on screen", how) << QPoint(96, 192) << byQuit << QPoint(96, 192);
        QTest::addRow("%s, top-left corner", how) << QPoint(0, 0) << byQuit << QPoint(0, 0);
        QTest::addRow("%s, over the left edge", how)
            << QPoint(-45, 30) << byQuit << QPoint(-45, 30);
        QTest::addRow("%s, above the screen", how) << QPoint(-100, -40) << byQuit << QPoint(0, 0);
        QTest::addRow("%s, far left", how) << QPoint(-600, 100) << byQuit << QPoint(0, 100);
        QTest::addRow("%s, 100 px of title bar", how) << QPoint(924, 9) << byQuit << QPoint(924, 9);
        // The second screen holds most of it, and is too small: left and top edges win.
        QTest::addRow("%s, 99 px", how) << QPoint(925, 9) << byQuit << QPoint(1024, 200);
        QTest::addRow("%s, second screen", how) << QPoint(1100, 250) << byQuit << QPoint(1100, 250);
    }
}

void tst_WindowPosition::closingStoresAndReopensThere()
{
    QFETCH(QPoint, pixels);
    QFETCH(bool, byQuit);
    QFETCH(QPoint, reopened);

    QPointer<frmMain> window = Main();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    window->move(pixels);
    QCOMPARE(window->pos(), pixels);
    if (byQuit)
        QTest::mouseClick(control<QPushButton>(window, "cmdQuit"), Qt::LeftButton);
    else
        window->close();
    QTRY_VERIFY(window.isNull());

    QCOMPARE(readStored("Top").toString(), QString::number(pixelsToTwips(pixels.y())));
    QCOMPARE(readStored("Left").toString(), QString::number(pixelsToTwips(pixels.x())));

    QCOMPARE(QGuiApplication::primaryScreen()->availableGeometry(), QRect(0, 0, 1024, 768));
    window = Main();
    QCOMPARE(window->pos(), reopened);
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QCOMPARE(window->pos(), reopened);
    window->close(); // unmoved, so it keeps the stored position
    QTRY_VERIFY(window.isNull());
    QCOMPARE(readStored("Left").toString(), QString::number(pixelsToTwips(pixels.x())));
}

void tst_WindowPosition::badStoredValueUsesDefault_data()
{
    QTest::addColumn<QString>("top");
    QTest::addColumn<QString>("left");
    QTest::addColumn<QPoint>("pixels");

    const int fallback = twips(DefaultPositionTwips);
    const QStringList bad = {"abc", "", "NaN", "inf", "-inf", "1e30", "12 34"};
    for (const QString &text : bad) {
        QTest::addRow("Top \"%s\"", qPrintable(text)) << text << "1500" << QPoint(100, fallback);
        QTest::addRow("Left \"%s\"", qPrintable(text)) << "3000" << text << QPoint(fallback, 200);
    }
    QTest::newRow("both bad") << "x"
                              << "y" << QPoint(fallback, fallback);
}

void tst_WindowPosition::badStoredValueUsesDefault()
{
    QFETCH(QString, top);
    QFETCH(QString, left);
    QFETCH(QPoint, pixels);

    writeStored(top, left);
    QPointer<frmMain> window = Main();
    QCOMPARE(window->pos(), pixels);

    // The next close replaces the bad text with a usable one.
    window->close();
    QTRY_VERIFY(window.isNull());
    QVERIFY(ParseStoredPosition(readStored("Top").toString()).has_value());
    QVERIFY(ParseStoredPosition(readStored("Left").toString()).has_value());
}

void tst_WindowPosition::unusableStoreFile_data()
{
    QTest::addColumn<QString>("kind");

    QTest::newRow("a folder where the file should be") << "folder";
    QTest::newRow("binary garbage") << "garbage";
    QTest::newRow("a value that is a list") << "list";
}

void tst_WindowPosition::unusableStoreFile()
{
    QFETCH(QString, kind);
#ifdef Q_OS_WIN
    QSKIP("the registry has no file; its faults are rows of storeFaultsLeaveAWorkingProgram");
#endif

    const QString path = storeFile();
    QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
    if (kind == QLatin1String("folder")) {
        // Neither readable nor writable as a file, whoever runs the test.
        QVERIFY(QDir().mkpath(path));
    } else {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        if (kind == QLatin1String("garbage")) {
            static const char garbage[] = "\x00\xff[frmMain\nTop=\x01\x02\nLeft";
            file.write(garbage, sizeof garbage - 1);
        } else {
            file.write("[frmMain]\nTop=1, 2\nLeft=@Invalid()\n");
        }
    }

    QPointer<frmMain> window = Main();
    QCOMPARE(window->pos(), QPoint(twips(100), twips(100)));
    QVERIFY(QTest::qWaitForWindowExposed(window));
    window->close();
    QTRY_VERIFY(window.isNull());
}

void tst_WindowPosition::storeFaultsLeaveAWorkingProgram_data()
{
    QTest::addColumn<QByteArray>("top");
    QTest::addColumn<QString>("fault");
    QTest::addColumn<int>("expectedTop");

    const QByteArray digits(400, '9');
    const QList<std::pair<QByteArray, int>> values = {{"", 100},
                                                      {"abc", 100},
                                                      {"nan", 100},
                                                      {"inf", 100},
                                                      {"1e30", 100},
                                                      {" 1500", 1500},
                                                      {"0x10", 100},
                                                      {"1,5", 100},
                                                      {"1e-46", 0},
                                                      {digits, 100},
                                                      {QByteArray(400, '0') + "1500", 1500}};
    for (const auto &[text, expected] : values)
        QTest::addRow("Top=\"%s\"", text.left(12).constData()) << text << "none" << expected;
#ifdef Q_OS_WIN
    // What the registry editor or an administrator can leave: Top's bytes stored as the registry
    // type in the fault column (only a string is a position), Top a key, frmMain's key closed.
    const QByteArray text = QByteArray::fromHex("3100350030003000"); // "1500" without its end
    auto type = [](DWORD type) { return QString::number(type); };
    QTest::newRow("Top a number") << QByteArray("\xdc\x05\0\0", 4) << type(REG_DWORD) << 100;
    QTest::newRow("Top a number of two bytes") << QByteArray("\xdc\x05") << type(REG_DWORD) << 100;
    QTest::newRow("Top binary") << text << type(REG_BINARY) << 100;
    QTest::newRow("Top a list") << text + QByteArray(4, '\0') << type(REG_MULTI_SZ) << 100;
    QTest::newRow("Top text without its end") << text << type(REG_SZ) << 1500;
    QTest::newRow("Top a lone surrogate") << QByteArray("\x01\xd8") << type(REG_SZ) << 100;
    QTest::newRow("Top a key") << QByteArray("1500") << "Top a key" << 100;
    QTest::newRow("read-only key") << QByteArray("1500") << "read-only key" << 1500;
    QTest::newRow("closed key") << QByteArray("1500") << "closed key" << 100;
#else
    for (const char *fault : {"unreadable file", "read-only folder", "huge file"})
        QTest::newRow(fault) << QByteArray("1500") << fault << 1500;
#endif
}

void tst_WindowPosition::storeFaultsLeaveAWorkingProgram()
{
    QFETCH(QByteArray, top);
    QFETCH(QString, fault);
    QFETCH(int, expectedTop);

#ifdef Q_OS_WIN
    QSettings planted = store();
    planted.setValue(QStringLiteral("User/Note"), QStringLiteral("kept by the user"));
    planted.setValue(QStringLiteral("frmMain/Left"), QStringLiteral("3000"));
    bool typed = false;
    if (const DWORD type = fault.toUInt(&typed); typed)
        RegSetKeyValueW(HKEY_CURRENT_USER, frmMainKey().c_str(), L"Top", type, top.constData(),
                        DWORD(top.size()));
    else
        planted.setValue(fault == QLatin1String("Top a key") ? "frmMain/Top/Top" : "frmMain/Top",
                         QString::fromLatin1(top));
    restrictFrmMain(fault == QLatin1String("read-only key") ? L"D:(A;;KR;;;WD)"
                    : fault == QLatin1String("closed key")  ? L"D:"
                                                            : L"D:(A;;KA;;;WD)");
    const bool readable = fault != QLatin1String("closed key");
#else
    const QString path = storeFile();
    const QString folder = QFileInfo(path).absolutePath();
    QVERIFY(QDir().mkpath(folder));
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[frmMain]\nTop=" + top + "\nLeft=3000\n[User]\nNote=kept by the user\n");
        if (fault == QLatin1String("huge file")) {
            for (int i = 0; i < 100000; ++i)
                file.write(QStringLiteral("key%1=%2\n").arg(i).arg(i * 7).toLatin1());
        }
    }
    const auto permissions = QFile::permissions(path);
    if (fault == QLatin1String("unreadable file"))
        QFile::setPermissions(path, {});
    if (fault == QLatin1String("read-only folder"))
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
    const bool readable = QFileInfo(path).isReadable();
    if ((fault == QLatin1String("unreadable file") && readable) ||
        (fault == QLatin1String("read-only folder") && QFileInfo(folder).isWritable()))
        return runRowAsNobody();
#endif

    QPointer<frmMain> window = Main();
    QCOMPARE(window->pos(),
             readable ? QPoint(twips(3000), twips(expectedTop)) : QPoint(twips(100), twips(100)));
    QVERIFY(QTest::qWaitForWindowExposed(window));
    TestSleep sleep;
    QTest::mouseClick(control<QPushButton>(window, "cmdSetup"), Qt::LeftButton);
    QTest::mouseClick(control<QPushButton>(window, "cmdNewProblem"), Qt::LeftButton);
    QCOMPARE(textOf(window, "lblOperator"), QStringLiteral("+"));
    for (frmSetup *setup : openSetupWindows())
        QTest::mouseClick(control<QPushButton>(setup, "cmdClose"), Qt::LeftButton);
    window->close();
    QTRY_VERIFY(window.isNull());

#ifdef Q_OS_WIN
    restrictFrmMain(L"D:(A;;KA;;;WD)");
#else
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QFile::setPermissions(path, permissions);
#endif
    QSettings written = store();
    QCOMPARE(written.status(), QSettings::NoError);
    QCOMPARE(written.value(QStringLiteral("User/Note")).toString(),
             QStringLiteral("kept by the user"));
    for (const char *key : {"frmMain/Top", "frmMain/Left", "frmSetup/Top", "frmSetup/Left"}) {
        const QVariant value = written.value(QLatin1String(key));
        QVERIFY2(!value.isValid() || ParseStoredPosition(value.toString()), key);
    }
    if (fault == QLatin1String("huge file"))
        QCOMPARE(written.value(QStringLiteral("User/key99999")).toInt(), 99999 * 7);
}

TALLYWICK_TEST_MAIN(tst_WindowPosition)
#include "tst_windowposition.moc"
