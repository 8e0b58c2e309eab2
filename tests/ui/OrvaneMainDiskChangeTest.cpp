// The window and orvane-cli on one project: a file another program changed
// since the window loaded it (or that it is changing now) is never saved
// over without a question, and each answer does what it says.

#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <optional>

#include "OrvaneMainTestSupport.h"
#include "core/FileIO.h"

namespace orvane {

using namespace orvane::test;

class OrvaneMainDiskChangeTest : public QObject {
    Q_OBJECT

private:
    AppState state_;

private slots:
    void init() { CleanProgramFolder(); }
    void cleanup() { TOrvaneMain::SetScreenSizeForTesting(QSize()); }

    void closingAsksWhatToDo_data()
    {
        QTest::addColumn<QString>("answer");  // a button's objectName; "" when no question may come
        QTest::addColumn<bool>("changedOnDisk");
        QTest::addColumn<bool>("lockedByAnother");
        QTest::addColumn<bool>("closed");
        QTest::addColumn<float>("fileDepth");  // what the project file holds afterwards
        QTest::addColumn<float>("windowDepth");
        // The window holds depth 30, the other program wrote 50 over 12.
        QTest::newRow("unchanged: saved without a question") << "" << false << false << true << 30.f << 30.f;
        QTest::newRow("overwrite") << "OverwriteButton" << true << false << true << 30.f << 30.f;
        QTest::newRow("reload") << "ReloadButton" << true << false << false << 50.f << 50.f;
        QTest::newRow("save as") << "SaveAsButton" << true << false << true << 50.f << 30.f;
        QTest::newRow("cancel") << "" << true << false << false << 50.f << 30.f;
        QTest::newRow("being changed now, cancel") << "" << false << true << false << 12.f << 30.f;
    }

    void closingAsksWhatToDo()
    {
        QFETCH(QString, answer);
        QFETCH(bool, changedOnDisk);
        QFETCH(bool, lockedByAnother);
        QFETCH(bool, closed);
        QFETCH(float, fileDepth);
        QFETCH(float, windowDepth);
        const QString path = Folder() + QStringLiteral("Projects/Shared.WDT");
        const QString other = Folder() + QStringLiteral("Projects/Mine.WDT");
        QFile::remove(other);
        WriteProject(path, RectangleProject(1000, 800));  // depth 12
        auto w = ShowWindow(state_);
        w->OpenProjectFile(path);
        Type(w->Edit6, QStringLiteral("30"), true);
        if (changedOnDisk) {
            ProjectRecord cli = RectangleProject(1000, 800);
            cli.Depth = 50;
            QVERIFY(WriteProject(cli, path.toStdString()).ok);
        }
        std::optional<FileLock> held;
        if (lockedByAnother)
            held.emplace(FileLock::TryLock(path.toStdString()));

        QString asked;
        bool questioned = false;
        const bool expectQuestion = changedOnDisk || lockedByAnother;
        // (Only then: a watcher left waiting would answer the next row's question.)
        if (expectQuestion)
            OnNextModal([&](QWidget* modal) {
                auto* box = qobject_cast<QMessageBox*>(modal);
                QVERIFY(box && box->objectName() == QStringLiteral("ProjectChangedBox"));
                questioned = true;
                asked = box->text();
                if (answer == QStringLiteral("SaveAsButton")) {
                    OnNextModal([&](QWidget* dialog) {
                        QVERIFY(qobject_cast<QFileDialog*>(dialog));
                        dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(other);
                        static_cast<QDialog*>(dialog)->accept();
                    });
                }
                if (answer.isEmpty())
                    box->reject();
                else
                    box->findChild<QPushButton*>(answer)->click();
            });
        QCOMPARE(w->close(), closed);
        QCOMPARE(questioned, expectQuestion);
        if (questioned)
            QVERIFY2(asked.contains(QStringLiteral("[Shared.WDT]")), qPrintable(asked));
        QCOMPARE(ReadProjectFile(path).Depth, fileDepth);
        QCOMPARE(state_.project.Depth, windowDepth);
        QCOMPARE(w->Edit6->text().toFloat(), windowDepth);
        if (answer == QStringLiteral("SaveAsButton"))
            QCOMPARE(ReadProjectFile(other).Depth, 30.f);
        if (!closed) {
            // The other program is done. The next close asks again only while
            // the file still differs from what the window last loaded.
            held.reset();
            if (answer.isEmpty() && changedOnDisk)
                OnNextModal(
                    [](QWidget* box) { box->findChild<QPushButton*>(QStringLiteral("OverwriteButton"))->click(); });
            QVERIFY(w->close());
            QCOMPARE(ReadProjectFile(path).Depth, windowDepth);
        }
    }
};

}  // namespace orvane

QTEST_MAIN(orvane::OrvaneMainDiskChangeTest)
#include "OrvaneMainDiskChangeTest.moc"
