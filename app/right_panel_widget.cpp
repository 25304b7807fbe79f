#include "app/right_panel_widget.h"
#include "model/application_identity.h"

#include "widgets/font_fitting.h"
#include "app/widget_user_interaction.h"
#include "link/firmware_version.h"
#include "link/kd620_controller_class.h"
#include "link/usb_protocol.h"
#include "model/user_interaction.h"

#include <QDebug>
#include <QGroupBox>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QSignalBlocker>

#include <utility>

namespace {

constexpr int ReconnectTries = 20;

const QColor StartRed(220, 0, 0);
const QColor DisconnectedRed(180, 0, 0);
const QColor ConnectedGreen(0, 155, 0);
const QColor DeviceBoxBase(110, 200, 15);
const QColor StateFlagSet(160, 200, 90);
const QColor StateFlagClear(230, 180, 115);

const char ClockPlaceholder[] = "------,  --.--.----  --:--:--";

// Sets one colour role for every colour group.
void setColour(QWidget *widget, QPalette palette, QPalette::ColorRole role, const QColor &colour)
{
    palette.setBrush(role, QBrush(colour, Qt::SolidPattern));
    widget->setPalette(palette);
}

bool controllerConnected()
{
    return currentController->isConnected();
}

// The folder (or last file) the file dialogs start in.
QString fileDialogStart()
{
    const QString last = currentController->currentFile;
    return last.isEmpty() ? QStringLiteral("./") : last;
}

} // namespace

right_panel_widget::right_panel_widget(kd620_controller_class *controller, QWidget *parent)
    : QFrame(parent)
{
    setFrameShape(QFrame::StyledPanel);
    setFrameShadow(QFrame::Raised);
    setGeometry(860, 23, 161, 678);
    createWidgets();
    fitTexts();
    connectSignals(controller);
    rightPanelWidget = this;
}

right_panel_widget::~right_panel_widget()
{
    if (rightPanelWidget == this)
        rightPanelWidget = nullptr;
}

void right_panel_widget::createWidgets()
{
    auto button = [this](const QString &text, int x, int y, int w, int h) {
        auto *b = new QPushButton(text, this);
        b->setGeometry(x, y, w, h);
        return b;
    };
    auto label = [](QWidget *parent, const QString &text, int x, int y, int w, int h) {
        auto *l = new QLabel(text, parent);
        l->setGeometry(x, y, w, h);
        return l;
    };

    sendConfButton = button(tr("Send config to KD625"), 10, 30, 140, 25);
    readConfButton = button(tr("Read config from KD625"), 10, 70, 140, 25);
    saveConfToFileButton = button(tr("Save config to file"), 10, 110, 140, 25);
    readConfFromFileButton = button(tr("Read config from file"), 10, 150, 140, 25);
    clearConfButton = button(tr("Clear config"), 10, 190, 140, 25);
    connectButton = button(tr("Connect with KD625"), 20, 330, 120, 25);
    disconnectButton = button(tr("Disconnect KD625"), 20, 360, 120, 25);
    liveModeButton = button(tr("Live"), 20, 430, 120, 25);
    liveModeButton->setCheckable(true);
    normalModeButton = button(tr("Normal"), 20, 460, 120, 25);
    normalModeButton->setCheckable(true);
    freezeModeButton = button(tr("Freeze"), 20, 490, 120, 25);
    freezeModeButton->setCheckable(true);
    freezeModeButton->setEnabled(false);
    resetButton = button(tr("Restart KD625"), 20, 590, 120, 25);

    configurationLabel = label(this, tr("Configuration"), 50, 5, 120, 25);
    controllerLabel = label(this, tr("KD625 Controller"), 10, 260, 120, 20);
    clockLabel = label(this, QLatin1String(ClockPlaceholder), 5, 280, 180, 20);
    statusCaptionLabel = label(this, tr("Status: "), 10, 300, 120, 25);
    statusLabel = label(this, tr("Disconnected"), 60, 300, 100, 25);
    setColour(statusLabel, statusLabel->palette(), QPalette::WindowText, StartRed);
    QFont statusFont(QStringLiteral("MS Shell Dlg"), 10);
    statusFont.setWeight(QFont::Bold);
    statusFont.setItalic(false);
    statusLabel->setFont(statusFont);
    workingModeLabel = label(this, tr("KD625 working mode:"), 10, 400, 130, 25);

    deviceInfoBox = new QGroupBox(this);
    deviceInfoBox->setGeometry(15, 625, 135, 50);
    setColour(deviceInfoBox, palette(), QPalette::Base, DeviceBoxBase);
    deviceInfoBox->setAutoFillBackground(true);
    serialLabel = label(deviceInfoBox, tr("S/N ----"), 5, 5, 130, 20);
    serialLabel->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    firmwareLabel = label(deviceInfoBox, firmwareCaption(QString()), 5, 25, 130, 20);
    firmwareLabel->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
}

void right_panel_widget::fitTexts()
{
    // Buttons of one column share the size that fits the longest text.
    auto fitColumn = [](const QList<QPushButton *> &buttons) {
        qreal size = buttons.first()->font().pointSizeF();
        for (QPushButton *b : buttons) {
            fitButtonFont(b);
            size = qMin(size, b->font().pointSizeF());
        }
        for (QPushButton *b : buttons) {
            if (b->font().pointSizeF() != size) {
                QFont font = b->font();
                font.setPointSizeF(size);
                b->setFont(font);
            }
        }
    };
    fitColumn({sendConfButton, readConfButton, saveConfToFileButton, readConfFromFileButton, clearConfButton});
    fitColumn({connectButton, disconnectButton, liveModeButton, normalModeButton, freezeModeButton, resetButton});

    // What can be seen of a label: up to the frame's edge, or up to the next label.
    const int inside = contentsRect().right() + 1;
    auto room = [inside](const QLabel *l) { return qMin(l->width(), inside - l->x()); };
    for (QLabel *l : {configurationLabel, controllerLabel, workingModeLabel})
        fitFontToWidth(l, {l->text()}, room(l));
    fitFontToWidth(statusCaptionLabel, {statusCaptionLabel->text()}, statusLabel->x() - statusCaptionLabel->x());
    fitFontToWidth(statusLabel, {tr("Connected"), tr("Disconnected")}, room(statusLabel));
    // The clock text the main window writes: the day's short name, date and time.
    QStringList clockTexts{QLatin1String(ClockPlaceholder)};
    for (int day = 1; day <= 7; ++day)
        clockTexts << QLocale().dayName(day, QLocale::ShortFormat) + QStringLiteral(", 28.08.2028  20:08:08");
    fitFontToWidth(clockLabel, clockTexts, room(clockLabel));
    // Without a version, and with the widest one the controller could report.
    fitFontToWidth(firmwareLabel, {firmwareCaption(QString()), firmwareCaption(QStringLiteral("F/W ver. 88.88.8888"))},
                   firmwareLabel->width());
}

QString right_panel_widget::firmwareCaption(const QString &firmwareText)
{
    const std::optional<firmware_version> version = firmware_version::fromText(firmwareText);
    return tr("F/W ver. %1").arg(version ? version->number() : QStringLiteral("----"));
}

void right_panel_widget::showDevice(const QString &serialText, const QString &firmwareText)
{
    serialLabel->setText(serialText);
    shownFirmware = firmwareText;
    firmwareLabel->setText(firmwareCaption(firmwareText));
}

void right_panel_widget::connectSignals(kd620_controller_class *controller)
{
    using panel = right_panel_widget;
    connect(sendConfButton, &QPushButton::clicked, this, &panel::sendConfClick);
    connect(readConfButton, &QPushButton::clicked, this, &panel::readConfClick);
    connect(normalModeButton, &QPushButton::toggled, this, &panel::normalModeChecked);
    connect(liveModeButton, &QPushButton::toggled, this, &panel::liveModeChecked);
    connect(freezeModeButton, &QPushButton::toggled, this, &panel::freezeModeChecked);
    connect(this, &panel::normalModeCheck, normalModeButton, &QPushButton::setChecked);
    connect(this, &panel::liveModeCheck, liveModeButton, &QPushButton::setChecked);
    connect(this, &panel::freezeModeCheck, freezeModeButton, &QPushButton::setChecked);
    connect(saveConfToFileButton, &QPushButton::clicked, this, &panel::saveConfToFileClick);
    connect(this, &panel::saveConfToFileClicked, controller, &kd620_controller_class::write_confDataToFile);
    connect(readConfFromFileButton, &QPushButton::clicked, this, &panel::readConfFromFileClick);
    connect(this, &panel::readConfFromFileClicked, controller, &kd620_controller_class::read_confDataFromFile);
    connect(connectButton, &QPushButton::clicked, this, &panel::connectButtonClicked);
    connect(disconnectButton, &QPushButton::clicked, this, &panel::disconnectButtonClicked);
    connect(resetButton, &QPushButton::clicked, this, &panel::resetButtonClicked);
    connect(controller, &kd620_controller_class::forceReset, this, [this] { resetButtonClicked(); });
    connect(this, &panel::setConnection, controller, &kd620_controller_class::setConnection);
    connect(controller, &kd620_controller_class::setConnectionStatus, this, &panel::setConnectionStatus);
    connect(this, &panel::setWorkingMode, controller, &kd620_controller_class::ch_mode);
    // Only a file saved or opened whole moves the dialogs: one that failed may lie where
    // no configuration can be kept (or where the dialog itself would hang reading the folder).
    connect(controller, &kd620_controller_class::fileSavedOrOpened, this,
            [controller](const QString &fileName) { controller->currentFile = fileName; });
}

void right_panel_widget::complain(const QString &text)
{
    showMessage(message_icon::Critical, application_identity::name(), text, message_button::Ok,
                message_button::NoButton, dialog_parent::RightPanel);
}

// Normal toggled. Live and Normal exclude each other; pressing the checked Normal button
// checks it again, which asks for normal mode once more.
void right_panel_widget::normalModeChecked(bool on)
{
    if (!controllerConnected()) {
        emit normalModeCheck(false);
        return;
    }
    if (on) {
        freezeModeButton->setEnabled(true);
        if (liveModeButton->isChecked())
            emit freezeModeCheck(false);
        emit liveModeCheck(false);
        emit setWorkingMode(kd620_controller_class::UiModeNormal);
        return;
    }
    freezeModeButton->setEnabled(false);
    if (liveModeButton->isChecked())
        return;
    emit normalModeCheck(true);
}

// Live toggled; the counterpart of normalModeChecked. Leaving Normal unfreezes the output.
void right_panel_widget::liveModeChecked(bool on)
{
    if (!controllerConnected()) {
        emit liveModeCheck(false);
        return;
    }
    if (on) {
        emit normalModeCheck(false);
        emit freezeModeCheck(false);
        emit setWorkingMode(kd620_controller_class::UiModeLive);
        emit turnOnSceneLive();
        return;
    }
    if (normalModeButton->isChecked())
        return;
    emit liveModeCheck(true);
}

// The button keeps the state the user gave it; a failure drops the connection.
void right_panel_widget::freezeModeChecked(bool on)
{
    if (on) {
        if (currentController->freeze() < 0)
            complain(tr("Controller not frozen!"));
    } else if (currentController->unfreeze() < 0) {
        complain(tr("Controller still frozen!"));
    }
}

// The announcement can come back inside itself (a failed read of the state flag drops the
// connection), so the panel shows the state the controller is in, not the argument.
void right_panel_widget::setConnectionStatus(bool)
{
    if (controllerConnected())
        showConnected();
    else
        showDisconnected();
}

void right_panel_widget::showConnected()
{
    announced = true;
    shownConnected = true;
    setColour(statusLabel, statusLabel->palette(), QPalette::WindowText, ConnectedGreen);
    statusLabel->setText(tr("Connected"));
    const bool stateFlag = currentController->readStateFlag();
    if (!controllerConnected())
        return;  // the read dropped the connection, and the panel already shows it
    setColour(deviceInfoBox, palette(), QPalette::Window, stateFlag ? StateFlagSet : StateFlagClear);
    deviceInfoBox->update();
}

void right_panel_widget::showDisconnected()
{
    announced = true;
    shownConnected = false;
    setColour(statusLabel, statusLabel->palette(), QPalette::WindowText, DisconnectedRed);
    deviceInfoBox->setPalette(palette());
    deviceInfoBox->update();
    statusLabel->setText(tr("Disconnected"));
    if (normalModeButton->isChecked())
        emit normalModeCheck(false);
    if (liveModeButton->isChecked())
        emit liveModeCheck(false);
    // Tries to unfreeze over the closed connection, which tells the user it could not.
    if (freezeModeButton->isChecked())
        emit freezeModeCheck(false);
}

right_panel_widget::connection_view right_panel_widget::connectionView() const
{
    connection_view view;
    view.announced = announced;
    view.connected = shownConnected;
    view.statusPalette = statusLabel->palette();
    view.deviceBoxPalette = deviceInfoBox->palette();
    view.clockText = clockLabel->text();
    view.serialText = serialLabel->text();
    view.firmwareText = shownFirmware;
    view.normalChecked = normalModeButton->isChecked();
    view.liveChecked = liveModeButton->isChecked();
    view.freezeChecked = freezeModeButton->isChecked();
    view.freezeEnabled = freezeModeButton->isEnabled();
    return view;
}

void right_panel_widget::showConnectionView(const connection_view &view)
{
    announced = view.announced;
    shownConnected = view.connected;
    statusLabel->setPalette(view.statusPalette);
    statusLabel->setText(shownConnected ? tr("Connected") : tr("Disconnected"));
    deviceInfoBox->setPalette(view.deviceBoxPalette);
    deviceInfoBox->update();
    // The clock text is the controller's, and so are the serial number and the firmware
    // once a connection change wrote them; before that the labels keep this language's
    // placeholders.
    clockLabel->setText(view.clockText);
    if (announced)
        showDevice(view.serialText, view.firmwareText);
    // The mode is the controller's already: checking the buttons must not ask for it again.
    const std::pair<QPushButton *, bool> checks[] = {
        {normalModeButton, view.normalChecked}, {liveModeButton, view.liveChecked}, {freezeModeButton, view.freezeChecked}};
    for (const auto &[button, checked] : checks) {
        const QSignalBlocker quiet(button);
        button->setChecked(checked);
    }
    freezeModeButton->setEnabled(view.freezeEnabled);
}

void right_panel_widget::connectButtonClicked(bool)
{
    emit setConnection(true);
    if (!controllerConnected())
        complain(tr("Not connected!", "QMessageBox"));
}

void right_panel_widget::disconnectButtonClicked(bool)
{
    // Unfreezes a frozen controller while the connection is still open.
    freezeModeButton->setChecked(false);
    emit setConnection(false);
}

// "Restart KD625", and the controller's forceReset() after a successful send: restart,
// then connect again, up to 20 tries.
void right_panel_widget::resetButtonClicked(bool)
{
    if (!controllerConnected()) {
        complain(tr("Not connected!", "QMessageBox"));
        return;
    }
    freezeModeButton->setChecked(false);
    if (currentController->restartController() < 0)
        complain(tr("Restart failed!"));
    // Whatever the restart left, start from a closed device.
    emit setConnection(false);
    wait100ms();
    for (int attempt = 0; attempt < ReconnectTries; ++attempt) {
        emit setConnection(true);
        if (controllerConnected())
            return;
        wait100ms();
        qDebug("Ponowienie ...");
    }
}

void right_panel_widget::sendConfClick(bool)
{
    kd620_controller_class &c = *currentController;
    // The edited programs and actions go into the image whether or not a controller listens.
    c.programList.commitToImage(c.confData, c.extraEntries);
    c.eventActions.encodeToImage(c.confData);
    if (controllerConnected())
        c.send_alldata();
    else
        complain(tr("Configuration not sent!"));
}

void right_panel_widget::readConfClick(bool)
{
    if (controllerConnected())
        currentController->read_alldata();
    else
        complain(tr("Configuration not read!"));
}

right_panel_widget::save_name right_panel_widget::saveNameFor(const QString &chosen)
{
    if (chosen.endsWith(QLatin1String(".cfg")))
        return {chosen, true};
    if (chosen.endsWith(QLatin1String(".cfg620")))
        return {chosen.left(chosen.size() - 1) + QLatin1Char('5'), false};
    if (chosen.endsWith(QLatin1String(".kdg")) || chosen.endsWith(QLatin1String(".cfg625")))
        return {chosen, false};
    return {chosen + QLatin1String(".cfg625"), false};
}

void right_panel_widget::saveConfToFileClick(bool)
{
    const QString filter = tr("Varidex project description (*.cfg625;*.cfg620;*.kdg)") + QLatin1String(";;")
                           + tr("Varidex 620 old-style config (*.cfg)") + QLatin1String(";;") + tr("All files (*)");
    const QString caption = tr("Choose a project description file for Kd625 controller");
    // The name chosen may take another extension: the question about replacing a file is
    // asked about the name written.
    const QString chosen =
        userInteraction().chooseSaveFileUnconfirmed(caption, fileDialogStart(), filter, dialog_parent::None);
    if (chosen.isEmpty())
        return;
    const save_name name = saveNameFor(chosen);
    if (!confirmReplace(name.fileName, caption, dialog_parent::None))
        return;
    emit saveConfToFileClicked(name.fileName, name.oldFormat);
}

void right_panel_widget::readConfFromFileClick(bool)
{
    const QString chosen = userInteraction().chooseOpenFile(
        tr("Choose a project description file for Kd625 controller"), fileDialogStart(),
        tr("Varidex 620 project/config files (*.cfg625;*.cfg620;*.kdg;*.cfg);;All files (*)"), dialog_parent::None);
    if (chosen.isEmpty())
        return;
    emit readConfFromFileClicked(chosen);
}
