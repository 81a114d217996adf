// The checks a perform button makes before the conversion library is called, and the result
// line when the library is missing.
#include "ScriptedPlatform.h"
#include "TestWindow.h"
#include "WindowTestCase.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <memory>

#include <unistd.h>

using namespace pagewright;

class tst_Perform : public WindowTestCase
{
    Q_OBJECT

private:
    // A folder holding the program text but no conversion library (or the one given).
    QString ProgramFolderWith(const QString& library)
    {
        const QString folder = t->path("program");
        QDir().mkpath(folder);
        QFile::copy(QCoreApplication::applicationDirPath() + "/vellum_text.dat", folder + "/vellum_text.dat");
        if (!library.isEmpty())
            QFile::copy(library, folder + "/libvellum62.so");
        return folder;
    }

private slots:
    void refusedBeforeConverting_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("input");  // relative to the test folder unless absolute
        QTest::addColumn<QString>("output"); // likewise
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("message");
        QTest::newRow("wrong extension") << 1 << "data.csv"
                                         << "out.htm"
                                         << "Invalid file extension"
                                         << "Input file must have file extension \"txt\".";
        QTest::newRow("name ending in a dot") << 1 << "notes."
                                              << "out.htm"
                                              << "Invalid file extension"
                                              << "Input file must have file extension \"txt\".";
        QTest::newRow("missing input folder") << 1 << "nofolder/notes.txt"
                                              << "out.htm"
                                              << "Error"
                                              << "Input folder does not exist.";
        QTest::newRow("missing output folder") << 1 << "notes.txt"
                                               << "nofolder/out.htm"
                                               << "Error"
                                               << "Output folder does not exist.";
        QTest::newRow("template: missing output folder") << 0 << ""
                                                         << "nofolder/out.htm"
                                                         << "Error"
                                                         << "Output folder does not exist.";
    }

    void refusedBeforeConverting()
    {
        QFETCH(int, tab);
        QFETCH(QString, input);
        QFETCH(QString, output);
        QFETCH(QString, title);
        QFETCH(QString, message);
        t->writeFile("notes.txt", "text\n");
        t->showTab(tab);
        const int slot = SlotOfTab(tab);
        if (slot < kInputSlotCount)
            t->box(Indexed("txbInputFile", slot))->setText(t->path(input) + "  ");
        t->box(Indexed("txbOutputFile", slot))->setText(t->path(output));
        QVERIFY(t->button(Indexed("cmdPerformOperation", slot))->isEnabled());
        t->seam().expectMessage(title, message, MsgIcon::Exclamation);
        t->w().cmdPerformOperation_Click(slot);
        QCOMPARE(t->label(Indexed("Label2", slot))->text(), QString());
        QVERIFY(!QFile::exists(t->path(output)));
        if (slot < kInputSlotCount)
            QCOMPARE(t->box(Indexed("txbInputFile", slot))->text(),
                     t->path(input)); // the name is kept trimmed
    }

    void inputWithoutFolderIsRefused()
    {
        t->box("txbInputFile_0")->setText("notes.txt");
        t->box("txbOutputFile_0")->setText(t->path("out.htm"));
        t->seam().expectMessage("Error", "Input folder does not exist.", MsgIcon::Exclamation);
        t->w().cmdPerformOperation_Click(TextSlot);
    }

    void overwriteAnsweredNoWritesNothing_data()
    {
        QTest::addColumn<int>("answer");
        QTest::newRow("No") << int(MsgAnswer::No);
        QTest::newRow("Cancel") << int(MsgAnswer::Cancel);
    }

    void overwriteAnsweredNoWritesNothing()
    {
        QFETCH(int, answer);
        t->writeFile("notes.txt", "text\n");
        const QString out = t->writeFile("out.htm", "old page");
        t->box("txbInputFile_0")->setText(t->path("notes.txt"));
        t->box("txbOutputFile_0")->setText(out);
        t->seam().expectMessage("Warning", "Output file exists.  Overwrite?", MsgIcon::Exclamation,
                                MsgButtons::YesNoCancel, static_cast<MsgAnswer>(answer));
        t->w().cmdPerformOperation_Click(TextSlot);
        QFile file(out);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("old page"));
        QVERIFY(!t->w().OutputReady[TextSlot]);
        QCOMPARE(t->label("Label2_0")->text(), QString());
    }

    void outputSameAsASourceIsRefused_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("which");
        QTest::addColumn<bool>("viaLink");
        QTest::newRow("input") << 1 << "input" << false;
        QTest::newRow("input through a link") << 1 << "input" << true;
        QTest::newRow("header") << 1 << "header" << false;
        QTest::newRow("footer") << 1 << "footer" << true;
        QTest::newRow("template header") << 0 << "header" << false;
        QTest::newRow("template footer") << 0 << "footer" << false;
    }

    void outputSameAsASourceIsRefused()
    {
        QFETCH(int, tab);
        QFETCH(QString, which);
        QFETCH(bool, viaLink);
        const QByteArray original = "precious text\n";
        const QString source = t->writeFile("source.txt", original);
        QString output = source;
        if (viaLink) {
            output = t->path("link.htm");
            QVERIFY(QFile::link(source, output));
        } else {
            output = t->path("hard.htm");
            QVERIFY(::link(QFile::encodeName(source).constData(), QFile::encodeName(output).constData()) ==
                    0);
        }
        t->showTab(tab);
        const int slot = SlotOfTab(tab);
        const int h = tab == 0 ? 1 : 0;
        if (slot == TextSlot)
            t->box("txbInputFile_0")->setText(which == "input" ? source : t->writeFile("other.txt", "x\n"));
        if (which == "header")
            t->box(Indexed("txbCustomHeaderFile", h))->setText(source);
        if (which == "footer")
            t->box(Indexed("txbCustomFooterFile", h))->setText(source);
        t->box(Indexed("txbOutputFile", slot))->setText(output);
        t->seam().expectMessage("Error", "Output file is the same as the " + which + " file.",
                                MsgIcon::Exclamation);
        t->w().cmdPerformOperation_Click(slot);
        QFile file(source);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), original);
        QCOMPARE(t->label(Indexed("Label2", slot))->text(), QString());
    }

    void missingLibraryIsReportedInTheResultLine()
    {
        TestWindow noLibrary(ProgramFolderWith(QString()));
        noLibrary.writeFile("notes.txt", "text\n");
        noLibrary.box("txbInputFile_0")->setText(noLibrary.path("notes.txt"));
        noLibrary.box("txbOutputFile_0")->setText(noLibrary.path("notes.htm"));
        noLibrary.w().cmdPerformOperation_Click(TextSlot);
        const QString caption = noLibrary.label("Label2_0")->text();
        QVERIFY2(caption.startsWith("Conversion library libvellum62.so could not be loaded: "),
                 qPrintable(caption));
        QVERIFY(!noLibrary.w().OutputReady[TextSlot]);
        QVERIFY(noLibrary.seam().verifyDone());
    }

    void missingExportIsReportedInTheResultLine()
    {
        TestWindow noExport(ProgramFolderWith(QStringLiteral(NO_EXPORTS_LIBRARY)));
        noExport.showTab(0);
        noExport.box("txbOutputFile_5")->setText(noExport.path("page.htm"));
        noExport.w().cmdPerformOperation_Click(TemplateSlot);
        const QString caption = noExport.label("Label2_5")->text();
        QVERIFY2(caption.startsWith("Conversion library libvellum62.so has no function txt2h: "),
                 qPrintable(caption));
        QVERIFY(noExport.seam().verifyDone());
    }
};

QTEST_MAIN(tst_Perform)
#include "tst_perform.moc"
