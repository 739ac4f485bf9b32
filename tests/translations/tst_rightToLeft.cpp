// The window in a right-to-left language: its fixed layout mirrored against
// the English window's, and a Latin path still read left to right in it.
// Each language comes with a catalogue of one text made here, so what is
// checked is the direction of the language, not the wording of its
// catalogue.

#include "language/Translations.h"
#include "form/ReadingDirection.h"
#include "support/TestWindow.h"

#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTreeView>

using namespace tarnwick;
using namespace tarnwick::test;

namespace {

// tarnwick_<language>.qm in `folder`, with the start button's caption.
QString makeCatalogue(const QString& folder, const QString& language, const QString& caption)
{
    const QString source = folder + "/tarnwick_" + language + ".ts";
    QFile file(source);
    if (!file.open(QIODevice::WriteOnly))
        return source + ": cannot be written";
    const QString text =
        QStringLiteral("<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<!DOCTYPE TS>\n"
                       "<TS version=\"2.1\" language=\"%1\"><context>"
                       "<name>tarnwick::MainWidgets</name><message>"
                       "<source>Start Ripping Now!</source><translation>%2</translation>"
                       "</message></context></TS>\n")
            .arg(language, caption);
    file.write(text.toUtf8());
    file.close();
    QProcess lrelease;
    lrelease.setProcessChannelMode(QProcess::MergedChannels);
    lrelease.start(QStringLiteral(TARNWICK_LRELEASE), {"-silent", source});
    if (!lrelease.waitForFinished(60000) || lrelease.exitCode() != 0)
        return "lrelease: " + QString::fromLocal8Bit(lrelease.readAll());
    return {};
}

// What a text inks in `area` of a control, cut to the ink's bounds: the
// same picture wherever the text sits, as long as it reads the same way.
QImage ink(QWidget* widget, const QRect& area)
{
    const QImage image = widget->grab(area).toImage().convertToFormat(QImage::Format_RGB32);
    const QRgb paper = image.pixel(0, 0);
    QRect bounds;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != paper)
                bounds |= QRect(x, y, 1, 1);
        }
    }
    return image.copy(bounds);
}

// A path with digits and signs first, which a right-to-left paragraph
// would carry to the other end: "intro.mp4 - 01/videos/".
const QString kLatinPath = QStringLiteral("/videos/01 - intro.mp4");

const char* const kControls[] = {"Command3", "LV",        "lblFileList", "cmbOF1",  "cmbBitrate",
                                 "txtPath",  "cmdBrowse", "pb",          "btnMenu", "imgStart"};

// What a window shows, read while its language is loaded: where each
// control sits, and the ink of a Latin path in the queue and in the path field.
struct Seen
{
    bool fromRight = false;
    QString caption;
    QHash<QString, QRect> places;
    QImage cell;
    QImage field;
};

Seen see()
{
    TestWindow w;
    w.form->hidePicDoor();
    w.form->queue().addEntry(kLatinPath);
    w.c().txtPath->setText(kLatinPath);
    w.form->show();
    if (!QTest::qWaitForWindowExposed(w.form.get()))
        return {};
    Seen seen;
    seen.fromRight = w.form->isRightToLeft();
    seen.caption = w.c().Command3->text();
    for (const char* name : kControls)
        seen.places.insert(name, w.form->findChild<QWidget*>(name)->geometry());
    QTreeView* view = w.c().LV;
    seen.cell = ink(view->viewport(), view->visualRect(view->model()->index(0, 0)));
    seen.field = ink(w.c().txtPath, w.c().txtPath->rect().adjusted(3, 3, -3, -3));
    return seen;
}

} // namespace

class tst_rightToLeft : public QObject
{
    Q_OBJECT

    QTemporaryDir m_catalogues;

private slots:
    void initTestCase()
    {
        QVERIFY(m_catalogues.isValid());
        // Glyphs on whole pixels, so that a text drawn at either end of its
        // cell inks the same pixels.
        QFont font = QApplication::font();
        font.setHintingPreference(QFont::PreferFullHinting);
        QApplication::setFont(font);
    }
    void cleanup() { followLanguage(QString()); }

    void mirrored_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<bool>("fromRight");
        QTest::newRow("ar") << "ar" << QString::fromUtf8("ابدأ التحويل الآن") << true;
        QTest::newRow("he") << "he" << QString::fromUtf8("התחל להמיר עכשיו") << true;
        QTest::newRow("fa") << "fa" << QString::fromUtf8("اکنون تبدیل کن") << true;
        // Qt has no catalogue of its own for Urdu: the language alone says it.
        QTest::newRow("ur, no Qt catalogue")
            << "ur" << QString::fromUtf8("ابھی تبدیل کریں") << true;
        QTest::newRow("de") << "de" << QString::fromUtf8("Jetzt umwandeln") << false;
    }

    // The controls a reader meets first (the queue, the format, the start
    // button) and the rest sit where the English window has them, mirrored
    // across its width; the hot-spots go with their pictures. A Latin path
    // reads as in the English window.
    void mirrored()
    {
        QFETCH(QString, language);
        QFETCH(QString, caption);
        QFETCH(bool, fromRight);
        const Seen english = see();
        QVERIFY(!english.cell.isNull() && !english.field.isNull());

        const QString problem = makeCatalogue(m_catalogues.path(), language, caption);
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
        Translations translations;
        QCOMPARE(translations.load({language}, m_catalogues.path()), language);
        followLanguage(language);
        const Seen translated = see();
        QCOMPARE(translated.caption, caption);
        QCOMPARE(translated.fromRight, fromRight);

        const int width = frmMain::kClientWidth;
        for (const char* name : kControls) {
            const QRect was = english.places.value(name);
            const QRect is = translated.places.value(name);
            const int x = fromRight ? width - was.x() - was.width() : was.x();
            QVERIFY2(is == QRect(x, was.y(), was.width(), was.height()),
                     qPrintable(QStringLiteral("%1 at x %2, not %3").arg(name).arg(is.x()).arg(x)));
        }
        QCOMPARE(translated.cell, english.cell);
        QCOMPARE(translated.field, english.field);
    }
};

QTEST_MAIN(tst_rightToLeft)
#include "tst_rightToLeft.moc"
