// The fit check that every control lies within the frame holding it, on a small form: a
// group box holding a radio button, a label and a spin box, each moved about in it.
#include "tests/support/text_fit.h"
#include "widgets/font_substitutes.h"

#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QSpinBox>
#include <QtTest>

class tst_frame_fit : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void controlsStayInTheirFrame_data();
    void controlsStayInTheirFrame();
};

void tst_frame_fit::initTestCase()
{
    substituteWindowsFonts();  // measured in the faces the program shows
}

void tst_frame_fit::controlsStayInTheirFrame_data()
{
    QTest::addColumn<QString>("moved");
    QTest::addColumn<QPoint>("to");
    QTest::addColumn<bool>("beyond");
    QTest::newRow("all in place") << QString() << QPoint() << false;
    QTest::newRow("radio 20 px past the right edge") << "radio" << QPoint(231, 40) << true;
    QTest::newRow("radio up into the title") << "radio" << QPoint(10, 2) << true;
    QTest::newRow("radio below the bottom") << "radio" << QPoint(10, 95) << true;
    QTest::newRow("label's text on the left edge") << "label" << QPoint(0, 70) << true;
    QTest::newRow("label a little further right") << "label" << QPoint(20, 70) << false;
    QTest::newRow("spin box frame on frame") << "spin" << QPoint(301 - 60 - 1, 40) << false;
    QTest::newRow("spin box past the frame") << "spin" << QPoint(301 - 60 + 6, 40) << true;
}

// A control moved past the box's frame, or into its title, is listed; one within it is not.
void tst_frame_fit::controlsStayInTheirFrame()
{
    QFETCH(QString, moved);
    QFETCH(QPoint, to);
    QFETCH(bool, beyond);
    QWidget form;
    form.resize(400, 200);
    auto *box = new QGroupBox(QStringLiteral("Selection"), &form);
    box->setGeometry(10, 10, 301, 110);
    auto *radio = new QRadioButton(QStringLiteral("Umkehren"), box);
    radio->setObjectName(QStringLiteral("radio"));
    radio->setGeometry(10, 40, 90, 20);
    auto *label = new QLabel(QStringLiteral("Channels"), box);
    label->setObjectName(QStringLiteral("label"));
    label->setGeometry(10, 70, 80, 16);
    auto *spin = new QSpinBox(box);
    spin->setObjectName(QStringLiteral("spin"));
    spin->setGeometry(150, 40, 60, 22);
    if (!moved.isEmpty())
        box->findChild<QWidget *>(moved)->move(to);

    const QStringList listed = controlsBeyondTheirFrames(&form);
    QCOMPARE(!noneListed(listed), beyond);
    if (beyond)
        QVERIFY(listed.first().contains(QLatin1String("QGroupBox")));
}

QTEST_MAIN(tst_frame_fit)
#include "tst_frame_fit.moc"
