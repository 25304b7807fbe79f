#include "model/application_identity.h"
#include "app/widget_user_interaction.h"

#include <QApplication>
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

QTEST_MAIN(tst_widget_interaction)
#include "tst_widget_interaction.moc"
