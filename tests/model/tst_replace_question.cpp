#include "model/user_interaction.h"
#include "tests/support/folder_contents.h"
#include "tests/support/scripted_interaction.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

// The question before a save replaces a file under a name its dialog did not confirm.
class tst_replace_question : public QObject
{
    Q_OBJECT

private slots:
    void asksOnlyAboutAnExistingFile_data();
    void asksOnlyAboutAnExistingFile();
};

void tst_replace_question::asksOnlyAboutAnExistingFile_data()
{
    QTest::addColumn<QString>("name");  // in a folder holding the file "show.csv" and the folder "tables"
    QTest::addColumn<int>("answer");    // 0: none scripted
    QTest::addColumn<bool>("asked");
    QTest::addColumn<bool>("mayWrite");

    const int yes = int(message_button::Yes);
    const int no = int(message_button::No);
    QTest::newRow("an existing file, Yes") << "show.csv" << yes << true << true;
    QTest::newRow("an existing file, No") << "show.csv" << no << true << false;
    QTest::newRow("an existing file, no answer") << "show.csv" << 0 << true << false;
    QTest::newRow("no such file") << "other.csv" << no << false << true;
    QTest::newRow("a folder: the writer refuses it") << "tables" << no << false << true;
}

void tst_replace_question::asksOnlyAboutAnExistingFile()
{
    QFETCH(QString, name);
    QFETCH(int, answer);
    QFETCH(bool, asked);
    QFETCH(bool, mayWrite);
    QTemporaryDir dir;
    makeFiles(dir.path(), {"show.csv"});
    QVERIFY(QDir(dir.path()).mkdir("tables"));
    scripted_interaction ui;
    if (answer != 0)
        ui.answers << answer;

    QCOMPARE(confirmReplace(dir.filePath(name), QStringLiteral("Save the table"), dialog_parent::RightPanel),
             mayWrite);
    QCOMPARE(ui.messages.size(), asked ? 1 : 0);
    if (asked) {
        const message_request &question = ui.messages[0];
        QCOMPARE(question.icon, message_icon::Warning);
        QCOMPARE(question.title, QStringLiteral("Save the table"));
        QCOMPARE(question.text, name + QStringLiteral(" already exists.\nDo you want to replace it?"));
        QCOMPARE(question.buttons, unsigned(message_button::Yes | message_button::No));
        QCOMPARE(question.defaultButton, unsigned(message_button::No));
        QCOMPARE(question.parent, dialog_parent::RightPanel);
    }
}

QTEST_MAIN(tst_replace_question)
#include "tst_replace_question.moc"
