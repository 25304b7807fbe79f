#include "model/application_identity.h"
#include "app/widget_user_interaction.h"
#include "tests/support/file_dialog_driver.h"
#include "tests/support/folder_contents.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTemporaryDir>
#include <QTranslator>
#include <QMessageBox>
#include <QTimer>
#include <QWidget>
#include <QtTest>

// The boxes of the real user interaction: which window they belong to.
class tst_widget_interaction : public QObject
{
    Q_OBJECT

private slots:
    void boxParent_data();
    void boxParent();
    void replaceQuestionAsTheSaveDialogAsksIt_data();
    void replaceQuestionAsTheSaveDialogAsksIt();
};

namespace {

// Shows the request's box and returns the parent it had while it was open.
QWidget *parentOfBox(const message_request &request)
{
    widget_user_interaction ui;
    QWidget *parent = nullptr;
    bool shown = false;
    QTimer::singleShot(0, [&] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            shown = true;
            parent = box->parentWidget();
            box->accept();
        }
    });
    ui.showMessage(request);
    return shown ? parent : reinterpret_cast<QWidget *>(-1);
}

} // namespace

void tst_widget_interaction::boxParent_data()
{
    QTest::addColumn<QString>("named");    // the widget the request names: page, gone, none
    QTest::addColumn<QString>("expected"); // page, main
    QTest::newRow("a page's widget") << "page" << "page";
    QTest::newRow("a widget that is gone") << "gone" << "main";
    QTest::newRow("no widget") << "none" << "main";
}

void tst_widget_interaction::boxParent()
{
    QFETCH(QString, named);
    QFETCH(QString, expected);
    QWidget window;
    QWidget *page = new QWidget(&window);
    mainWindow = &window;

    message_request request;
    request.title = application_identity::name();
    request.text = QStringLiteral("text");
    if (named == QLatin1String("page")) {
        request.parentWidget = page;
    } else if (named == QLatin1String("gone")) {
        auto *gone = new QWidget(&window);
        request.parentWidget = gone;
        delete gone;
    }
    QWidget *parent = parentOfBox(request);
    mainWindow = nullptr;
    QCOMPARE(parent, expected == QLatin1String("page") ? page : &window);
}

void tst_widget_interaction::replaceQuestionAsTheSaveDialogAsksIt_data()
{
    QTest::addColumn<QString>("language");  // Qt's own catalogue loaded; "" none
    QTest::newRow("English") << "";
    QTest::newRow("Polish") << "pl";
    QTest::newRow("German") << "de";
}

// The save chooser whose caller asks about replacing lets the dialog ask nothing, and the
// caller's question is the one Qt's own save dialog asks, word for word in each language.
void tst_widget_interaction::replaceQuestionAsTheSaveDialogAsksIt()
{
    QFETCH(QString, language);
    QTranslator qtCatalogue;
    if (!language.isEmpty()) {
        if (!qtCatalogue.load(QStringLiteral("qtbase_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QSKIP("Qt's own translation of that language is not installed");
        QCoreApplication::installTranslator(&qtCatalogue);
    }
    QTemporaryDir dir;
    makeFiles(dir.path(), {"show.cfg625"});
    const folder_contents before = readFolder(dir.path());
    const QString name = dir.filePath(QStringLiteral("show.cfg625"));
    const QString caption = QStringLiteral("Choose a file");
    const QString filter = QStringLiteral("Shows (*.cfg625;*.kdg);;All files (*)");
    file_dialog_driver driver;

    // The dialog asks itself, and a No leaves the dialog open: it is then cancelled.
    driver.fileAnswers << file_dialog_driver::file_answer{name, {}};
    driver.boxAnswers << QMessageBox::No;
    QCOMPARE(userInteraction().chooseSaveFile(caption, dir.path(), filter, dialog_parent::None), QString());
    QCOMPARE(driver.boxes.size(), 1);
    const file_dialog_driver::shown_box dialogs = driver.boxes.takeFirst();
    QVERIFY(dialogs.overAFileDialog);

    // The dialog that leaves it to the caller asks nothing; the filter chosen is reported as
    // the caller gave it.
    QString chosenFilter;
    driver.fileAnswers << file_dialog_driver::file_answer{name, {}};
    QCOMPARE(userInteraction().chooseSaveFileUnconfirmed(caption, dir.path(), filter, dialog_parent::None,
                                                         &chosenFilter),
             name);
    QCOMPARE(chosenFilter, QStringLiteral("Shows (*.cfg625;*.kdg)"));
    QVERIFY(driver.boxes.isEmpty());

    // The caller's question, as the dialog's own.
    driver.boxAnswers << QMessageBox::No << QMessageBox::Yes;
    QVERIFY(!confirmReplace(name, caption, dialog_parent::None));
    QVERIFY(confirmReplace(name, caption, dialog_parent::None));
    QCOMPARE(driver.boxes.size(), 2);
    for (const file_dialog_driver::shown_box &ours : driver.boxes) {
        QCOMPARE(ours.text, dialogs.text);
        QCOMPARE(ours.title, dialogs.title);
        QCOMPARE(ours.icon, dialogs.icon);
        QCOMPARE(ours.buttons, dialogs.buttons);
        QCOMPARE(ours.defaultButton, dialogs.defaultButton);
    }
    QCOMPARE(changedFiles(before, readFolder(dir.path())), QStringList());
    if (!language.isEmpty())
        QVERIFY(dialogs.text != QStringLiteral("show.cfg625 already exists.\nDo you want to replace it?"));
    QCoreApplication::removeTranslator(&qtCatalogue);
}

QTEST_MAIN(tst_widget_interaction)
#include "tst_widget_interaction.moc"
