// The clipboard, clock and debug adapters against the real Qt services.
#include <QMimeData>
#include <QTemporaryFile>
#include <QTime>
#include <QtTest>

#include <cstdio>
#include <unistd.h>

#include "qt_test_support.h"

using namespace morwick;
using namespace morwick::qt;
using namespace morwick::qt::testing;

namespace {

std::string Bytes(const QByteArray& bytes) {
  return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

}  // namespace

class AdaptersTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { QGuiApplication::clipboard()->clear(); }

  void ReadText_data() {
    QTest::addColumn<QString>("onClipboard");
    QTest::addColumn<QByteArray>("read");
    QTest::newRow("nothing") << QString() << QByteArray();
    QTest::newRow("CR LF kept") << QStringLiteral("SELECT 1\r\nFROM t\r\n")
                                << QByteArray("SELECT 1\r\nFROM t\r\n");
    QTest::newRow("UTF-8") << QStringLiteral("'Gr\u00fc\u00dfe \u20ac'")
                           << QByteArray("'Gr\xc3\xbc\xc3\x9f" "e \xe2\x82\xac'");
    QTest::newRow("cut at NUL") << QStringLiteral("abc") + QChar(0) + QStringLiteral("def")
                                << QByteArray("abc");
    QTest::newRow("NUL first") << QString(QChar(0)) + QStringLiteral("x") << QByteArray();
    QTest::newRow("spaces kept") << QStringLiteral("  x  ") << QByteArray("  x  ");
  }
  void ReadText() {
    QFETCH(QString, onClipboard);
    QFETCH(QByteArray, read);
    if (!onClipboard.isNull()) QGuiApplication::clipboard()->setText(onClipboard);
    QCOMPARE(QtClipboard().ReadText(), Bytes(read));
  }

  void ReadIgnoresOtherFormats() {
    auto* data = new QMimeData;
    data->setHtml(QStringLiteral("<b>x</b>"));
    QGuiApplication::clipboard()->setMimeData(data);
    QCOMPARE(QtClipboard().ReadText(), std::string());
  }

  void WriteText_data() {
    QTest::addColumn<QByteArray>("written");
    QTest::addColumn<QString>("onClipboard");
    QTest::newRow("LF and LF TAB as they are")
        << QByteArray("SELECT a\nFROM t\n\tWHERE b") << QStringLiteral("SELECT a\nFROM t\n\tWHERE b");
    QTest::newRow("UTF-8") << QByteArray("'Gr\xc3\xbc\xc3\x9f" "e \xe2\x82\xac'")
                           << QStringLiteral("'Gr\u00fc\u00dfe \u20ac'");
  }
  void WriteText() {
    QFETCH(QByteArray, written);
    QFETCH(QString, onClipboard);
    QtClipboard().WriteText(Bytes(written));
    QCOMPARE(QGuiApplication::clipboard()->text(), onClipboard);
  }

  // Writing replaces every format; writing nothing leaves nothing.
  void WriteReplacesEverything_data() {
    QTest::addColumn<QByteArray>("written");
    QTest::addColumn<QStringList>("formats");
    QTest::newRow("text") << QByteArray("x") << QStringList{"text/plain"};
    QTest::newRow("nothing") << QByteArray() << QStringList{};
  }
  void WriteReplacesEverything() {
    QFETCH(QByteArray, written);
    QFETCH(QStringList, formats);
    auto* data = new QMimeData;
    data->setHtml(QStringLiteral("<b>old</b>"));
    data->setText(QStringLiteral("old"));
    QGuiApplication::clipboard()->setMimeData(data);
    QtClipboard().WriteText(Bytes(written));
    const QMimeData* now = QGuiApplication::clipboard()->mimeData();
    QCOMPARE(now == nullptr ? QStringList{} : now->formats(), formats);
  }

  void ClockReadsTheTimeOfDay() {
    const QTime before = QTime::currentTime();
    const std::int32_t reading = QtClock().Read();
    const QTime after = QTime::currentTime();
    if (after < before) QSKIP("midnight passed during the reading");
    const auto asReading = [](const QTime& t) {
      return shell::ClockReading(t.hour(), t.minute(), t.second(), t.msec() / 10);
    };
    QVERIFY(reading >= asReading(before));
    QVERIFY(reading <= asReading(after));
  }

  void DebugLinesGoToStderrUnchanged() {
    QTemporaryFile capture;
    QVERIFY(capture.open());
    std::fflush(stderr);
    const int saved = dup(STDERR_FILENO);
    QVERIFY(saved >= 0);
    QVERIFY(dup2(capture.handle(), STDERR_FILENO) >= 0);
    StderrDebug debug;
    debug.Write("KVZ-FixCnt=0\r\n");
    debug.Write("no line end");
    std::fflush(stderr);
    dup2(saved, STDERR_FILENO);
    close(saved);
    capture.seek(0);
    QCOMPARE(capture.readAll(), QByteArray("KVZ-FixCnt=0\r\nno line end"));
  }
};

QTEST_MAIN(AdaptersTest)
#include "tst_adapters.moc"
