#include "settings/OutputPresets.h"

#include <QTest>

using tarnwick::EditableList;
using tarnwick::OutputPresets;

namespace {
// A list's state as "position:text".
QString state(const EditableList& list)
{
    return QString::number(list.position()) + u':' + list.text();
}
} // namespace

class tst_OutputPresets : public QObject
{
    Q_OBJECT

private slots:
    void editableListRule()
    {
        EditableList list({"512", "1000", "1500"});
        int raised = 0;
        list.setHandler([&] { ++raised; });
        list.select(1);
        QCOMPARE(state(list), QString("1:1000"));
        list.setText("1500");
        QCOMPARE(state(list), QString("2:1500"));
        list.setText("150"); // no entry equals it
        QCOMPARE(state(list), QString("-1:150"));
        list.select(7); // outside the list: no selection, text kept
        QCOMPARE(state(list), QString("-1:150"));
        QCOMPARE(raised, 4);
    }

    void formatChoiceSetsBitrateIndexAndPreset_data()
    {
        QTest::addColumn<int>("format");
        QTest::addColumn<QString>("bitrate");
        QTest::addColumn<QString>("internal");
        QTest::addColumn<QStringList>("presets"); // cmbVB, cmbF, cmbS, cmbR, cmbBR, cmbChannel

        const QString mono = QString::fromUtf8("单声道");
        const QString stereo = QString::fromUtf8("双声道");
        QTest::newRow("MP4 MPEG4") << 0 << "5:5000" << QString::fromUtf8("4:MP4(高清MPEG4格式)")
            << QStringList{"-1:12000", "2:29", "0:Original Size", "0:48000", "13:320", "1:" + stereo};
        QTest::newRow("MP4 H264") << 1 << "5:5000" << "2:MPG(MPEG2)"
            << QStringList{"7:600", "-1:24", "0:Original Size", "-1:28000", "5:64", "1:" + stereo};
        QTest::newRow("AVI") << 2 << "5:5000" << QString::fromUtf8("3:AVI(Windows Media Player格式)")
            << QStringList{"-1:2600", "-1:24", "0:Original Size", "-1:28000", "5:64", "1:" + stereo};
        QTest::newRow("MOV") << 3 << "5:5000" << QString::fromUtf8("5:MOV(QuickTime格式)")
            << QStringList{"-1:12000", "2:29", "0:Original Size", "0:48000", "13:320", "1:" + stereo};
        QTest::newRow("FLV") << 4 << "1:1000" << "0:RMVB(RealPlayerRMVB)"
            << QStringList{"7:600", "2:29", "0:Original Size", "1:44100", "13:320", "1:" + stereo};
        QTest::newRow("WMV") << 5 << "4:3000" << QString::fromUtf8("6:MP4(手机MP4格式)")
            << QStringList{"3:128", "2:29", "5:320x240", "7:8000", "1:12.2", "0:" + mono};
        QTest::newRow("MPG") << 6 << "2:1500" << QString::fromUtf8("7:3GP(手机3GP格式)")
            << QStringList{"3:128", "2:29", "5:320x240", "7:8000", "1:12.2", "0:" + mono};
    }
    void formatChoiceSetsBitrateIndexAndPreset()
    {
        QFETCH(int, format);
        QFETCH(QString, bitrate);
        QFETCH(QString, internal);
        QFETCH(QStringList, presets);
        OutputPresets p;
        p.bitrate.setText("750"); // typed by the user, replaced by the default
        p.visibleFormat.select(format);
        QCOMPARE(state(p.bitrate), bitrate);
        QCOMPARE(state(p.internalFormat), internal);
        QCOMPARE((QStringList{state(p.videoBitrate), state(p.frameRate), state(p.frameSize), state(p.sampleRate),
                              state(p.audioBitrate), state(p.channels)}),
                 presets);
    }

    void presetRowWithoutEntryForEveryList()
    {
        OutputPresets p;
        p.internalFormat.select(1);
        QCOMPARE(state(p.videoBitrate), QString("-1:1200"));
        QCOMPARE(state(p.sampleRate), QString("1:44100"));
    }

    void lastRowLeavesThreeSettingsAlone()
    {
        OutputPresets p;
        p.internalFormat.select(6); // 128, 29, 320x240, 8000, 12.2, mono
        p.internalFormat.select(8);
        QCOMPARE(state(p.videoBitrate), QString("3:128"));
        QCOMPARE(state(p.frameRate), QString("2:29"));
        QCOMPARE(state(p.frameSize), QString("5:320x240"));
        QCOMPARE(state(p.sampleRate), QString("0:48000"));
        QCOMPARE(state(p.audioBitrate), QString("13:320"));
        QCOMPARE(p.channels.position(), 1);
    }

    void positionsOutsideTheTablesChangeNothing()
    {
        OutputPresets p;
        p.visibleFormat.select(4);
        p.visibleFormat.select(13);
        p.visibleFormat.select(-1);
        p.internalFormat.select(15);
        QCOMPARE(state(p.bitrate), QString("1:1000"));
        QCOMPARE(state(p.sampleRate), QString("1:44100"));
    }

    // The formats after the seven take the internal indexes after the
    // nine and set no preset row: what setup.ini's first lines keep stays.
    void formatsAfterTheSeven_data()
    {
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("bitrate");
        QTest::addColumn<int>("internal");
        QTest::newRow("H.265") << 7 << "MP4(H265/HEVC Video)" << "3000" << 9;
        QTest::newRow("MP4 AV1") << 8 << "MP4(AV1 Video)" << "2000" << 10;
        QTest::newRow("WebM AV1") << 9 << "WebM(AV1 Video)" << "2000" << 11;
        QTest::newRow("VP9") << 10 << "WebM(VP9 Video)" << "3000" << 12;
        QTest::newRow("MKV") << 11 << "MKV(H264 Video)" << "5000" << 13;
        QTest::newRow("copy keeps the bitrate text") << 12 << "Same as Source (Copy)" << "1000" << 14;
    }
    void formatsAfterTheSeven()
    {
        QFETCH(int, position);
        QFETCH(QString, caption);
        QFETCH(QString, bitrate);
        QFETCH(int, internal);
        OutputPresets p;
        p.visibleFormat.select(4); // FLV: preset row 0
        p.visibleFormat.select(position);
        QCOMPARE(p.visibleFormat.text(), caption);
        QCOMPARE(p.bitrate.text(), bitrate);
        QCOMPARE(p.internalFormat.position(), internal);
        QCOMPARE(state(p.sampleRate), QString("1:44100"));
        QCOMPARE(state(p.audioBitrate), QString("13:320"));
        QCOMPARE(p.channels.position(), 1);
    }

    void everyEntryText()
    {
        OutputPresets p;
        QCOMPARE(p.visibleFormat.entries().mid(0, 7),
                 QStringList({"MP4(High Quality MPEG4 Video)", "MP4(H264 Video)",
                              "AVI(Standard MPEG4 Video)", "MOV(Apple/QuickTime Video)",
                              "FLV(Flash Video)", "WMV(Windows Media Video)", "MPG(MPEG1 Video)"}));
        QCOMPARE(p.bitrate.entries().join(u','), QString("512,1000,1500,2000,3000,5000,8000,12000,15000"));
        QCOMPARE(p.internalFormat.entries().mid(0, 9).join(u'|'),
                 QString::fromUtf8("RMVB(RealPlayerRMVB)|RM(RealPlayerRM)|MPG(MPEG2)|AVI(Windows Media "
                                   "Player格式)|MP4(高清MPEG4格式)|MOV(QuickTime格式)|MP4(手机MP4格式)|"
                                   "3GP(手机3GP格式)|MP3(纯音频格式)"));
        QCOMPARE(p.videoBitrate.entries().join(u','), QString("40,80,120,128,256,384,512,600,640,768,800,900,1000,1500"));
        QCOMPARE(p.frameRate.entries().join(u','), QString("15,23,29"));
        QCOMPARE(p.frameSize.entries().join(u','),
                 QString("Original Size,128x96,160x120,176x144,320x180,320x240,352x288,640x272,480x480,"
                         "640x360,640x480,720x306,720x320"));
        QCOMPARE(p.sampleRate.entries().join(u','), QString("48000,44100,32000,24000,22050,16000,12050,8000"));
        QCOMPARE(p.audioBitrate.entries().join(u','), QString("10.2,12.2,32,48,56,64,80,96,112,128,192,224,256,320"));
        QCOMPARE(p.channels.entries().join(u','), QString::fromUtf8("单声道,双声道"));
    }
};

QTEST_GUILESS_MAIN(tst_OutputPresets)
#include "tst_OutputPresets.moc"
