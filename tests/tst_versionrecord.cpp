#include "testSupport.h"

#include <QFile>
#include <QMap>
#include <QProcess>
#include <QXmlStreamReader>
#include <QtEndian>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

// The executable's Windows resources. A Windows build reads them from the built executable with
// the system's own readers. Elsewhere the resource script is compiled with a cross windres where
// one is installed and the compiled resources are read back, so a broken script or a wrong fact
// fails on the build machine too, where that windres runs.

namespace
{

struct Resource {
    int type = 0; // numeric types only; the script uses no named ones
    QByteArray data;
};

quint16 word(const QByteArray &bytes, qsizetype at)
{
    return qFromLittleEndian<quint16>(bytes.constData() + at);
}

quint32 dword(const QByteArray &bytes, qsizetype at)
{
    return qFromLittleEndian<quint32>(bytes.constData() + at);
}

qsizetype align4(qsizetype at)
{
    return (at + 3) & ~qsizetype(3);
}

// A compiled resource file: entries of a header (sizes, type, name, flags) and data, each aligned
// to four bytes. Only the script's check reads one.
[[maybe_unused]] QList<Resource> readResources(const QByteArray &bytes)
{
    QList<Resource> resources;
    qsizetype at = 0;
    while (at + 8 <= bytes.size()) {
        const quint32 dataSize = dword(bytes, at);
        const quint32 headerSize = dword(bytes, at + 4);
        if (headerSize < 8 || at + headerSize + dataSize > bytes.size())
            break;
        Resource resource;
        if (word(bytes, at + 8) == 0xFFFF)
            resource.type = word(bytes, at + 10);
        resource.data = bytes.mid(at + headerSize, dataSize);
        if (dataSize > 0)
            resources.append(resource);
        at = align4(at + headerSize + dataSize);
    }
    return resources;
}

QString utf16At(const QByteArray &bytes, qsizetype &at)
{
    QString text;
    while (at + 2 <= bytes.size() && word(bytes, at) != 0) {
        text.append(QChar(word(bytes, at)));
        at += 2;
    }
    at += 2;
    return text;
}

// The version record is a tree of blocks (length, value length, type, key, value, children);
// this flattens it to paths such as "StringFileInfo/040904B0/ProductName" and their raw values.
void readVersionBlock(const QByteArray &bytes, qsizetype start, const QString &parent,
                      QMap<QString, QByteArray> &values)
{
    const quint16 length = word(bytes, start);
    const quint16 valueLength = word(bytes, start + 2);
    const bool text = word(bytes, start + 4) == 1;
    qsizetype at = start + 6;
    const QString key = utf16At(bytes, at);
    const QString path = parent.isEmpty() ? key : parent + QLatin1Char('/') + key;
    at = align4(at);
    const qsizetype valueBytes = text ? valueLength * 2 : valueLength;
    values.insert(path, bytes.mid(at, valueBytes));
    at = align4(at + valueBytes);
    const qsizetype end = start + length;
    while (at + 6 < end) {
        readVersionBlock(bytes, at, path, values);
        at = align4(at + word(bytes, at));
    }
}

QString text(const QByteArray &utf16)
{
    QString result;
    for (qsizetype at = 0; at + 2 <= utf16.size() && word(utf16, at) != 0; at += 2)
        result.append(QChar(word(utf16, at)));
    return result;
}

} // namespace

class tst_VersionRecord : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void fixedVersion();
    void strings_data();
    void strings();
    void onlyTheGivenStrings();
    void translation();
    void icon();
    void manifest();

private:
    QByteArray resourceOfType(int type);

    QTemporaryDir m_dir;
    QList<Resource> m_resources;
};

#ifdef Q_OS_WIN
void tst_VersionRecord::initTestCase()
{
    const QString path = QCoreApplication::applicationDirPath() + QStringLiteral("/" TALLYWICK_EXE);
    const auto *file = reinterpret_cast<const wchar_t *>(path.utf16());
    QByteArray version(GetFileVersionInfoSizeW(file, nullptr), '\0');
    QVERIFY2(GetFileVersionInfoW(file, 0, DWORD(version.size()), version.data()), qPrintable(path));
    m_resources.append({16, version.left(word(version, 0))});
    HMODULE module = LoadLibraryExW(file, nullptr, LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    for (const int type : {14, 24}) { // RT_GROUP_ICON, RT_MANIFEST
        HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(type));
        QVERIFY(found);
        const auto *bytes = static_cast<const char *>(LockResource(LoadResource(module, found)));
        m_resources.append({type, QByteArray(bytes, SizeofResource(module, found))});
    }
}
#else
void tst_VersionRecord::initTestCase()
{
    const QString windres = QStringLiteral(TALLYWICK_WINDRES);
    if (windres.isEmpty())
        QSKIP("no windres here (Debian: binutils-mingw-w64-x86-64)");

    const QString output = m_dir.filePath(QStringLiteral("tallywick.res"));
    // A cross binutils comes without a cross compiler, so the host's preprocessor reads the script.
    const QStringList arguments = {
        QStringLiteral("--preprocessor=" TALLYWICK_RC_PREPROCESSOR),
        QStringLiteral("--preprocessor-arg=-E"),
        QStringLiteral("--preprocessor-arg=-xc"),
        QStringLiteral("--preprocessor-arg=-DRC_INVOKED"),
        QStringLiteral("-O"),
        QStringLiteral("res"),
        QStringLiteral("-i"),
        QStringLiteral(TALLYWICK_RC_FILE),
        QStringLiteral("-o"),
        output,
    };
    QProcess process;
    process.start(windres, arguments);
    QVERIFY(process.waitForFinished(60000));
    QVERIFY2(process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0,
             process.readAllStandardError().constData());

    QFile file(output);
    QVERIFY(file.open(QIODevice::ReadOnly));
    m_resources = readResources(file.readAll());
}
#endif

QByteArray tst_VersionRecord::resourceOfType(int type)
{
    QByteArray found;
    int count = 0;
    for (const Resource &resource : std::as_const(m_resources)) {
        if (resource.type == type) {
            found = resource.data;
            ++count;
        }
    }
    if (count != 1)
        qWarning("%d resources of type %d", count, type);
    return count == 1 ? found : QByteArray();
}

void tst_VersionRecord::fixedVersion()
{
    const QByteArray version = resourceOfType(16);
    QVERIFY(!version.isEmpty());
    const qsizetype fixed = version.indexOf(QByteArray::fromHex("bd04effe"));
    QVERIFY(fixed > 0);
    const quint32 project[] = {TALLYWICK_VERSION_WORDS}; // major, minor, patch, tweak
    for (const int at : {8, 16}) {                       // the file's version, the product's
        QCOMPARE(dword(version, fixed + at), project[0] << 16 | project[1]);
        QCOMPARE(dword(version, fixed + at + 4), project[2] << 16 | project[3]);
    }
    QCOMPARE(dword(version, fixed + 36), 0x1u); // an application
}

void tst_VersionRecord::strings_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");

    QTest::newRow("FileVersion") << "FileVersion" << TALLYWICK_VERSION_TEXT;
    QTest::newRow("ProductVersion") << "ProductVersion" << TALLYWICK_VERSION_TEXT;
    QTest::newRow("FileDescription") << "FileDescription" << TALLYWICK_PRODUCT_NAME;
    QTest::newRow("ProductName") << "ProductName" << TALLYWICK_PRODUCT_NAME;
    QTest::newRow("InternalName") << "InternalName" << TALLYWICK_PRODUCT_NAME;
    QTest::newRow("OriginalFilename") << "OriginalFilename" << TALLYWICK_PRODUCT_NAME ".exe";
}

void tst_VersionRecord::strings()
{
    QFETCH(QString, key);
    QFETCH(QString, value);

    QMap<QString, QByteArray> values;
    readVersionBlock(resourceOfType(16), 0, QString(), values);
    const QString path = QStringLiteral("VS_VERSION_INFO/StringFileInfo/040904B0/") + key;
    QVERIFY2(values.contains(path), qPrintable(values.keys().join(QLatin1Char(' '))));
    QCOMPARE(text(values.value(path)), value);
}

void tst_VersionRecord::onlyTheGivenStrings()
{
    QMap<QString, QByteArray> values;
    readVersionBlock(resourceOfType(16), 0, QString(), values);
    QStringList tables;
    QStringList strings;
    for (const QString &path : values.keys()) {
        const QStringList parts = path.split(QLatin1Char('/'));
        if (parts.size() == 3 && parts.at(1) == QLatin1String("StringFileInfo"))
            tables.append(parts.at(2));
        if (parts.size() == 4 && parts.at(1) == QLatin1String("StringFileInfo"))
            strings.append(parts.at(3));
    }
    QCOMPARE(tables, QStringList{QStringLiteral("040904B0")});
    strings.sort();
    QCOMPARE(strings, (QStringList{"FileDescription", "FileVersion", "InternalName",
                                   "OriginalFilename", "ProductName", "ProductVersion"}));
}

void tst_VersionRecord::translation()
{
    QMap<QString, QByteArray> values;
    readVersionBlock(resourceOfType(16), 0, QString(), values);
    const QByteArray translation =
        values.value(QStringLiteral("VS_VERSION_INFO/VarFileInfo/Translation"));
    QCOMPARE(translation.size(), 4);
    QCOMPARE(word(translation, 0), quint16(0x409)); // US English
    QCOMPARE(word(translation, 2), quint16(1200));  // Unicode
}

void tst_VersionRecord::icon()
{
    const QByteArray group = resourceOfType(14);
    QVERIFY(group.size() >= 6);
    QCOMPARE(word(group, 4), quint16(3));
    QCOMPARE(group.size(), 6 + 3 * 14);
    const int expected[3][2] = {{32, 1}, {32, 4}, {16, 4}}; // size, bits per pixel
    for (int i = 0; i < 3; ++i) {
        const qsizetype entry = 6 + 14 * i;
        QCOMPARE(int(quint8(group.at(entry))), expected[i][0]);
        QCOMPARE(int(word(group, entry + 6)), expected[i][1]);
    }
}

// Each setting Windows reads from the manifest, found by element name, whatever the layout.
void tst_VersionRecord::manifest()
{
    QMap<QString, QString> found; // element: its level, its Id or its text
    for (QXmlStreamReader xml(resourceOfType(24)); !xml.atEnd() || xml.hasError();) {
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QXmlStreamAttributes attributes = xml.attributes();
        found[xml.name().toString()] = xml.name().startsWith(QLatin1String("dpiAware"))
                                           ? xml.readElementText()
                                           : attributes.value(QLatin1String("level")).toString() +
                                                 attributes.value(QLatin1String("Id")).toString();
    }
    QCOMPARE(found.value(QStringLiteral("requestedExecutionLevel")), QStringLiteral("asInvoker"));
    QCOMPARE(found.value(QStringLiteral("supportedOS")),
             QStringLiteral("{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}")); // Windows 10 and 11
    QCOMPARE(found.value(QStringLiteral("dpiAwareness")), QStringLiteral("PerMonitorV2"));
    QCOMPARE(found.value(QStringLiteral("dpiAware")), QStringLiteral("true/pm"));
}

TALLYWICK_TEST_MAIN(tst_VersionRecord)
#include "tst_versionrecord.moc"
