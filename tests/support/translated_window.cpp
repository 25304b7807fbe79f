#include "tests/support/translated_window.h"

#include "app/application_resources.h"
#include "app/gui_class.h"
#include "app/language_list.h"
#include "model/image_layout.h"
#include "settings/monitor/ctrl_monitor.h"
#include "settings/monitor/pokaz.h"
#include "tests/sim/sim_config_memory_engine.h"
#include "tests/sim/sim_monitor_engine.h"
#include "tests/support/configuration_fixture.h"
#include "widgets/font_substitutes.h"

#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QtEndian>

namespace {

// The translation files the build makes beside the program.
QString builtTranslation(const QString &code)
{
    return QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/../app/Varidex625_")) + code
        + QStringLiteral(".qm");
}

// An internal-states report that lists something in every row: states A1 B3 C1 D2, scenes
// 5, 12 and 130, programs 3 and 17 at a step, masks 1 and 7, delay 2. Its last whole word
// balances the sum to zero.
QByteArray reportWithEveryRow()
{
    const QList<QPair<int, int>> words = {
        {0, 3}, {1, 0}, {2, 2}, {3, 3}, {4, 2}, {5, 7}, {6, 1}, {7, 9},  // counts and list starts
        {8, 0x1}, {9, 0x0104}, {10, 0x0002},                            // A1 B3 C1 D2
        {13, 4}, {14, 129}, {15, 11},                                  // scenes
        {16, 16}, {17, 0}, {18, 2}, {19, 3},                           // programs and steps
        {20, 0}, {21, 6},                                              // masks
        {22, 1}};                                                      // delay
    QByteArray report(52, '\0');
    for (const auto &[word, value] : words)
        qToLittleEndian<u16>(u16(value), report.data() + 2 * word);
    u32 sum = 0;
    for (int i = 0; i + 1 < report.size() / 4; ++i)
        sum += qFromLittleEndian<u32>(report.constData() + 4 * i);
    qToLittleEndian<u32>(0u - sum, report.data() + report.size() - 4);
    return report;
}

} // namespace

translated_window::translated_window(const QString &code, configuration_shown shown)
{
    substituteWindowsFonts();
    initApplicationResources();
    languageList = {{QStringLiteral("English"), QStringLiteral("en"), nullptr, nullptr},
                    {QStringLiteral("Polski"), QStringLiteral("pl"), &polish, nullptr,
                     qtTranslationFor(QStringLiteral("pl"), &polish)},
                    {QStringLiteral("Deutsch"), QStringLiteral("de"), &german, nullptr,
                     qtTranslationFor(QStringLiteral("de"), &german)}};
    loaded = polish.load(builtTranslation(QStringLiteral("pl"))) && german.load(builtTranslation(QStringLiteral("de")));
    if (shown == configuration_shown::Full)
        populateConfiguration(*link.controller);
    currentLanguage = -1;
    requestedLanguage = -1;
    for (int i = 0; i < languageList.size(); ++i) {
        if (languageList[i].code == code)
            installLanguage(i);
    }
    window = std::make_unique<gui_class>(link.controller.get());
}

translated_window::~translated_window()
{
    window.reset();
    mainWindow = nullptr;
    installLanguage(0);
    languageList.clear();
    currentLanguage = -1;
}

QList<pokaz *> translated_window::openMonitorWindows()
{
    sim_device &device = link.bus.addDevice(QStringLiteral("005F1234-0042"));
    device.stateFlag = 1;
    auto *memory = device.findEngine<sim_config_memory_engine>();
    for (u32 input = 0; input < image_layout::InputCount; ++input)  // unused, open, closed in turn
        qToLittleEndian<i32>(i32(input % 3) - 1, memory->memory.data() + image_layout::inputType(input));
    auto *shown = device.findEngine<sim_monitor_engine>();
    shown->inputStates = 0x5A3C96;
    for (int c = 0; c < sim_monitor_engine::DmxChannels; ++c)
        shown->dmxOutput[size_t(c)] = u8(255 - 4 * c);
    shown->internalStates = reportWithEveryRow();
    window->show();
    QList<pokaz *> windows;
    if (!link.connectAndReset())
        return windows;
    ctrl_monitor *monitor = window->monitor;
    monitor->inputsButton->click();
    monitor->dmxButton->click();
    monitor->statesButton->click();
    QApplication::processEvents();
    for (pokaz *opened : {monitor->inputsWindow, monitor->dmxWindow, monitor->statesWindow}) {
        if (opened)
            windows << opened;
    }
    return windows;
}
