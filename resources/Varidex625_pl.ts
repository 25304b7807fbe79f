<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>DTL_widget</name>
    <message>
        <source>Not set</source>
        <translation>Nie ustawiono</translation>
    </message>
    <message>
        <source>Daytime only</source>
        <translation>Tylko w dzień</translation>
    </message>
    <message>
        <source>Night-time only</source>
        <translation>Tylko w nocy</translation>
    </message>
    <message>
        <source>Set manually</source>
        <translation>Ustaw ręcznie</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Varidex625</source>
        <translation>Varidex625</translation>
    </message>
    <message>
        <source>Events</source>
        <translation>Zdarzenia</translation>
    </message>
    <message>
        <source>Inputs</source>
        <translation>Wejścia</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Zegar</translation>
    </message>
    <message>
        <source>Internal Events</source>
        <translation>Zdarzenia wewnętrzne</translation>
    </message>
    <message>
        <source>Delayed Events</source>
        <translation>Zdarzenia opóźnione</translation>
    </message>
    <message>
        <source>Remote Control</source>
        <translation>Pilot</translation>
    </message>
    <message>
        <source>DMX Output</source>
        <translation>Wyjście DMX</translation>
    </message>
    <message>
        <source>Scenes</source>
        <translation>Sceny</translation>
    </message>
    <message>
        <source>Programs</source>
        <translation>Programy</translation>
    </message>
    <message>
        <source>Sequences</source>
        <translation>Sekwencje</translation>
    </message>
    <message>
        <source>Masks</source>
        <translation>Maski</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source>Descriptions</source>
        <translation>Opisy</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Inne</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>unknown</source>
        <translation>nieznany</translation>
    </message>
</context>
<context>
    <name>StL_widget</name>
    <message>
        <source>State %1%2</source>
        <translation>Stan %1%2</translation>
    </message>
    <message>
        <source>no description...</source>
        <translation>brak opisu...</translation>
    </message>
</context>
<context>
    <name>StateConds</name>
    <message>
        <source>State limits</source>
        <translation>Limit stanu</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Ustaw</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Clear all</source>
        <translation>Czyść</translation>
    </message>
</context>
<context>
    <name>action_room</name>
    <message>
        <source>Only inputs and remote-control buttons can enable!</source>
        <translation>Tylko wejścia i przyciski pilota mogą zezwalać!</translation>
    </message>
    <message>
        <source>Enabling actions only enable, disable or toggle!</source>
        <translation>Akcje zezwolenia mogą tylko zezwalać, blokować lub przełączać!</translation>
    </message>
    <message>
        <source>RC %1</source>
        <translation>Pilot %1</translation>
    </message>
    <message>
        <source>Enabling input already defined: </source>
        <translation>Wejście zezwalające jest już zdefiniowane: </translation>
    </message>
    <message>
        <source>Enabling action already defined: %1</source>
        <translation>Akcja zezwolenia jest już zdefiniowana: %1</translation>
    </message>
    <message>
        <source> Illegal value!</source>
        <translation> Niedozwolona wartość!</translation>
    </message>
    <message>
        <source>Warning!</source>
        <translation>Uwaga!</translation>
    </message>
    <message>
        <source>Actions limit exceed!</source>
        <translation>Przekroczono limit akcji!</translation>
    </message>
</context>
<context>
    <name>admx512_sliders_widget</name>
    <message>
        <source>Mask</source>
        <translation>Maska</translation>
    </message>
    <message>
        <source>Scene: </source>
        <translation>Scena: </translation>
    </message>
</context>
<context>
    <name>admx_slider_widget</name>
    <message>
        <source>Value</source>
        <translation>Wartość</translation>
    </message>
</context>
<context>
    <name>aevents_clock_set_widget</name>
    <message>
        <source>Monday</source>
        <translation>Poniedziałek</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Wtorek</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Środa</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Czwartek</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Piątek</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Sobota</translation>
    </message>
    <message>
        <source>Sunday</source>
        <translation>Niedziela</translation>
    </message>
</context>
<context>
    <name>aevents_clock_widget</name>
    <message>
        <source>Timer</source>
        <comment>column name</comment>
        <translation>Timer</translation>
    </message>
    <message>
        <source>Timer Settings</source>
        <comment>column name</comment>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source> min.</source>
        <translation> min</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Czyść</translation>
    </message>
    <message>
        <source>Mo</source>
        <translation>Pn</translation>
    </message>
    <message>
        <source>Tu</source>
        <translation>Wt</translation>
    </message>
    <message>
        <source>We</source>
        <translation>Śr</translation>
    </message>
    <message>
        <source>Th</source>
        <translation>Cz</translation>
    </message>
    <message>
        <source>Fr</source>
        <translation>Pt</translation>
    </message>
    <message>
        <source>Sa</source>
        <translation>So</translation>
    </message>
    <message>
        <source>Su</source>
        <translation>Nd</translation>
    </message>
    <message>
        <source>%1%2 h %3 min.</source>
        <translation>%1%2 h %3 min</translation>
    </message>
    <message>
        <source>Sunrise</source>
        <translation>Wschód</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>Zachód</translation>
    </message>
    <message>
        <source>Timer %1</source>
        <comment>timer with number</comment>
        <translation>Timer %1</translation>
    </message>
    <message>
        <source>Timer
no. %1</source>
        <translation>Timer
nr %1</translation>
    </message>
    <message>
        <source>disabled</source>
        <translation>wyłączone</translation>
    </message>
    <message>
        <source>Sunrise Event Delay</source>
        <translation>Opóźnienie zdarzenia wschodu</translation>
    </message>
    <message>
        <source>Sunset Event Delay</source>
        <translation>Opóźnienie zdarzenia zachodu</translation>
    </message>
    <message>
        <source>Sunrise and sunset can&apos;t both be delayed by %1 min.: the controller reads that as sunrise / sunset events switched off.
The delay stays as it was.</source>
        <translation>Opóźnienia wschodu i zachodu nie mogą być oba równe %1 min.: sterownik odczyta to jako wyłączone zdarzenia wschodu / zachodu.
Opóźnienie pozostaje bez zmian.</translation>
    </message>
</context>
<context>
    <name>aevents_conf_widget</name>
    <message>
        <source>Add</source>
        <translation>Dodaj</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Wstaw</translation>
    </message>
    <message>
        <source>Del</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiuj</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Wklej</translation>
    </message>
    <message>
        <source>Before</source>
        <translation>Przed</translation>
    </message>
    <message>
        <source>Warning!</source>
        <translation>Uwaga!</translation>
    </message>
    <message>
        <source>This delay is locked!</source>
        <translation>To opóźnienie jest zablokowane!</translation>
    </message>
</context>
<context>
    <name>aevents_dlyd_widget</name>
    <message>
        <source>Delay No.</source>
        <translation>Nr opóźn.</translation>
    </message>
    <message>
        <source>Delay Time</source>
        <translation>Opóźnienie</translation>
    </message>
    <message>
        <source>Delay %1</source>
        <translation>Opóźn. %1</translation>
    </message>
    <message>
        <source>Delay description:</source>
        <translation>Opis opóźnienia:</translation>
    </message>
    <message>
        <source>not set</source>
        <translation>nie ustawiono</translation>
    </message>
</context>
<context>
    <name>aevents_dmxout_widget</name>
    <message>
        <source>DMX Channel</source>
        <comment>table column</comment>
        <translation>Kanał DMX</translation>
    </message>
    <message>
        <source>Dmx Ch. %1 (Off) - </source>
        <translation>Kan. DMX %1 (wył.) - </translation>
    </message>
    <message>
        <source>Dmx Ch. %1 (On) - </source>
        <translation>Kan. DMX %1 (wł.) - </translation>
    </message>
    <message>
        <source>no description</source>
        <translation>brak opisu</translation>
    </message>
    <message>
        <source>Dmx Ch. %1 (%2)</source>
        <translation>Kan. DMX %1 (%2)</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>wył.</translation>
    </message>
    <message>
        <source>On</source>
        <translation>wł.</translation>
    </message>
</context>
<context>
    <name>aevents_inputs_widget</name>
    <message>
        <source>Input</source>
        <translation>Wejście</translation>
    </message>
    <message>
        <source>no description</source>
        <translation>brak opisu</translation>
    </message>
    <message>
        <source>Input %1 (Off) - </source>
        <translation>Wejście %1 (wył.) - </translation>
    </message>
    <message>
        <source>Input %1 (On) - </source>
        <translation>Wejście %1 (wł.) - </translation>
    </message>
    <message>
        <source>Input %1 (Off)</source>
        <translation>Wejście %1 (wył.)</translation>
    </message>
    <message>
        <source>Input %1 (On)</source>
        <translation>Wejście %1 (wł.)</translation>
    </message>
    <message>
        <source>: Off</source>
        <translation>: wył.</translation>
    </message>
    <message>
        <source>: On</source>
        <translation>: wł.</translation>
    </message>
</context>
<context>
    <name>aevents_ired_widget</name>
    <message>
        <source>pressed</source>
        <translation>naciśnięty</translation>
    </message>
    <message>
        <source>repeated</source>
        <translation>powtarzany</translation>
    </message>
    <message>
        <source>released</source>
        <translation>zwolniony</translation>
    </message>
    <message>
        <source>pres.</source>
        <translation>nac.</translation>
    </message>
    <message>
        <source>rept.</source>
        <translation>powt.</translation>
    </message>
    <message>
        <source>rlsd.</source>
        <translation>zwol.</translation>
    </message>
    <message>
        <source>R. C. Buttons</source>
        <translation>Przyciski pilota</translation>
    </message>
    <message>
        <source>Button No. %1 %2 - </source>
        <translation>Przycisk %1 %2 - </translation>
    </message>
    <message>
        <source>no description</source>
        <translation>brak opisu</translation>
    </message>
    <message>
        <source>Btn %1 %2 - </source>
        <translation>Prz. %1 %2 - </translation>
    </message>
    <message>
        <source>Button No. %1</source>
        <translation>Przycisk nr %1</translation>
    </message>
</context>
<context>
    <name>aevents_page_base</name>
    <message>
        <source>Event description:</source>
        <translation>Opis zdarzenia:</translation>
    </message>
</context>
<context>
    <name>aevents_tableview_delegate</name>
    <message>
        <source>On</source>
        <translation>Wł.</translation>
    </message>
    <message>
        <source>Toggle</source>
        <translation>Przełącz</translation>
    </message>
    <message>
        <source>Freeze</source>
        <translation>Zamroź</translation>
    </message>
    <message>
        <source>Unfreeze</source>
        <translation>Odmroź</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Wył.</translation>
    </message>
    <message>
        <source>Inc. brightness</source>
        <translation>Rozjaśnij</translation>
    </message>
    <message>
        <source>Dec. brightness</source>
        <translation>Przyciemnij</translation>
    </message>
    <message>
        <source>Set brightness</source>
        <translation>Ustaw jasność</translation>
    </message>
    <message>
        <source>Exclusive on</source>
        <translation>Wł. wyłącznie</translation>
    </message>
    <message>
        <source>Next step</source>
        <translation>Następny krok</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>Restart</translation>
    </message>
    <message>
        <source>Activate</source>
        <translation>Aktywuj</translation>
    </message>
    <message>
        <source>Deactivate</source>
        <translation>Dezaktywuj</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Przywróć</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Increase intensity</source>
        <translation>Rozjaśnij</translation>
    </message>
    <message>
        <source>Decrease intensity</source>
        <translation>Przygaś</translation>
    </message>
    <message>
        <source>Set intensity</source>
        <translation>Ustaw natężenie</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Wszystkie</translation>
    </message>
    <message>
        <source>Enable</source>
        <comment>Akcja</comment>
        <translation>Zezwól</translation>
    </message>
    <message>
        <source>Disable</source>
        <comment>Akcja</comment>
        <translation>Zablokuj</translation>
    </message>
    <message>
        <source>Toggle</source>
        <comment>Akcja</comment>
        <translation>Przełącz</translation>
    </message>
    <message>
        <source>Delay already in use!</source>
        <translation>Opóźnienie jest już używane!</translation>
    </message>
    <message>
        <source>Delay #%1 is blocked by sequence #%2!</source>
        <translation>Opóźnienie nr %1 jest zajęte przez sekwencję nr %2!</translation>
    </message>
    <message>
        <source>Action failed!</source>
        <translation>Operacja nie powiodła się!</translation>
    </message>
    <message>
        <source>Some delays are blocked by sequences!</source>
        <translation>Niektóre opóźnienia są zajęte przez sekwencje!</translation>
    </message>
    <message>
        <source>To many delays defined!</source>
        <translation>Zdefiniowano zbyt wiele opóźnień!</translation>
    </message>
    <message>
        <source>Repair</source>
        <translation>Napraw</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>aevents_tableview_widget</name>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>Nr</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Akcja</translation>
    </message>
    <message>
        <source>Daytime Limits</source>
        <translation>Limit pory dnia</translation>
    </message>
    <message>
        <source>State Limits</source>
        <translation>Limit stanu</translation>
    </message>
    <message>
        <source>Scene</source>
        <translation>Scena</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Program</translation>
    </message>
    <message>
        <source>Enabling</source>
        <translation>Zezwolenie</translation>
    </message>
    <message>
        <source>Set status</source>
        <translation>Ustaw stan</translation>
    </message>
    <message>
        <source>Save show</source>
        <translation>Zapis pokazu</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Opóźnienie</translation>
    </message>
    <message>
        <source>Sequence</source>
        <translation>Sekwencja</translation>
    </message>
    <message>
        <source>Mask</source>
        <translation>Maska</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Wszystkie</translation>
    </message>
    <message>
        <source>Enable</source>
        <comment>Akcja</comment>
        <translation>Zezwól</translation>
    </message>
    <message>
        <source>Activate</source>
        <translation>Aktywuj</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Wł.</translation>
    </message>
    <message>
        <source>Next step</source>
        <translation>Następny krok</translation>
    </message>
    <message>
        <source>Toggle</source>
        <translation>Przełącz</translation>
    </message>
    <message>
        <source>Freeze</source>
        <translation>Zamroź</translation>
    </message>
    <message>
        <source>Disable</source>
        <comment>Akcja</comment>
        <translation>Zablokuj</translation>
    </message>
    <message>
        <source>Deactivate</source>
        <translation>Dezaktywuj</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Przywróć</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Wył.</translation>
    </message>
    <message>
        <source>Unfreeze</source>
        <translation>Odmroź</translation>
    </message>
    <message>
        <source>Exclusive on</source>
        <translation>Wł. wyłącznie</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>Restart</translation>
    </message>
    <message>
        <source>Increase brightness</source>
        <translation>Rozjaśnij</translation>
    </message>
    <message>
        <source>Increase intensity</source>
        <translation>Rozjaśnij</translation>
    </message>
    <message>
        <source>Decrease brightness</source>
        <translation>Przyciemnij</translation>
    </message>
    <message>
        <source>Decrease intensity</source>
        <translation>Przygaś</translation>
    </message>
    <message>
        <source>Set brightness</source>
        <translation>Ustaw jasność</translation>
    </message>
    <message>
        <source>Set intensity</source>
        <translation>Ustaw natężenie</translation>
    </message>
    <message>
        <source>Not set</source>
        <translation>Nie ustawiono</translation>
    </message>
    <message>
        <source>Night-time only</source>
        <translation>Tylko w nocy</translation>
    </message>
    <message>
        <source>Daytime only</source>
        <translation>Tylko w dzień</translation>
    </message>
</context>
<context>
    <name>aevents_vkeys_widget</name>
    <message>
        <source>Internal Events</source>
        <translation>Zdarzenia wewnętrzne</translation>
    </message>
    <message>
        <source>Power On</source>
        <translation>Włączenie zasilania</translation>
    </message>
    <message>
        <source>Internal Event %1 - </source>
        <translation>Zdarz. wewn. %1 - </translation>
    </message>
    <message>
        <source>no description</source>
        <translation>brak opisu</translation>
    </message>
    <message>
        <source>Int. ev. %1 - </source>
        <translation>Zdarz. wewn. %1 - </translation>
    </message>
    <message>
        <source>Internal Event %1</source>
        <translation>Zdarzenie wewnętrzne %1</translation>
    </message>
</context>
<context>
    <name>amask_settings_widget</name>
    <message>
        <source>Mask</source>
        <translation>Maska</translation>
    </message>
    <message>
        <source>Mask: %1</source>
        <translation>Maska: %1</translation>
    </message>
    <message>
        <source>Mask %1</source>
        <translation>Maska %1</translation>
    </message>
    <message>
        <source>Clear whole mask</source>
        <translation>Czyść maskę</translation>
    </message>
    <message>
        <source>Choose different source mask!</source>
        <translation>Wybierz inną maskę źródłową!</translation>
    </message>
    <message>
        <source>Varidex 620 project/config files (*.kdg;*.cfg);;All files (*)</source>
        <translation>Pliki projektu/konfiguracji Varidex 620 (*.kdg;*.cfg);;Wszystkie pliki (*)</translation>
    </message>
</context>
<context>
    <name>aprogram_conf_delegate</name>
    <message>
        <source>not set</source>
        <translation>brak</translation>
    </message>
</context>
<context>
    <name>aprogram_conf_widget</name>
    <message>
        <source>Scene No.</source>
        <translation>Scena</translation>
    </message>
    <message>
        <source>Fade Up Time</source>
        <translation>Czas narastania</translation>
    </message>
    <message>
        <source>Duration | inf.</source>
        <translation>Czas trwania | ∞</translation>
    </message>
    <message>
        <source>Fade Down Time</source>
        <translation>Czas wygaszania</translation>
    </message>
    <message>
        <source>Prog. Time</source>
        <translation>Czas programu</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Zdarzenie</translation>
    </message>
    <message>
        <source>not set</source>
        <translation>brak</translation>
    </message>
    <message>
        <source>  infinite</source>
        <translation>  bez końca</translation>
    </message>
    <message>
        <source>undetermined</source>
        <translation>nieokreślony</translation>
    </message>
    <message>
        <source>Rule broken!</source>
        <translation>Naruszona reguła!</translation>
    </message>
    <message>
        <source>Both times cannot equal 0!
Duration will be fixed.</source>
        <translation>Oba czasy nie mogą być równe 0!
Czas trwania zostanie poprawiony.</translation>
    </message>
    <message>
        <source>O.K.</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Fix all steps</source>
        <translation>Popraw wszystkie kroki</translation>
    </message>
    <message>
        <source>Confirmation</source>
        <translation>Potwierdzenie</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nie</translation>
    </message>
    <message>
        <source>Yes!</source>
        <translation>Tak!</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Wszystkie</translation>
    </message>
    <message>
        <source>This action will remove last step from program.
	Really want to do so?</source>
        <translation>Ta operacja usunie ostatni krok programu.
	Czy na pewno?</translation>
    </message>
    <message>
        <source>About to remove a step from program.
	Really want to do so?</source>
        <translation>Krok zostanie usunięty z programu.
	Czy na pewno?</translation>
    </message>
    <message>
        <source>Copying failed!</source>
        <translation>Kopiowanie nie powiodło się!</translation>
    </message>
    <message>
        <source>Invalid selection!</source>
        <translation>Nieprawidłowe zaznaczenie!</translation>
    </message>
    <message>
        <source>Paste failed!</source>
        <translation>Wklejanie nie powiodło się!</translation>
    </message>
    <message>
        <source>Algorithm error?</source>
        <translation>Błąd algorytmu?</translation>
    </message>
    <message>
        <source>Program steps limit exceed!</source>
        <translation>Przekroczono limit kroków programu!</translation>
    </message>
</context>
<context>
    <name>aprogram_entry_delegate</name>
    <message>
        <source>Program %1</source>
        <translation>Program %1</translation>
    </message>
    <message>
        <source>Step %1</source>
        <translation>Krok %1</translation>
    </message>
</context>
<context>
    <name>aprogram_settings_copying</name>
    <message>
        <source>Unused scenes pool starts from</source>
        <translation>Wolne sceny od</translation>
    </message>
    <message>
        <source>Reverse steps&apos; order</source>
        <translation>Odwróć kolejność kroków</translation>
    </message>
    <message>
        <source>Current Configuration</source>
        <translation>Bieżąca konfiguracja</translation>
    </message>
    <message>
        <source>Copy from range:</source>
        <translation>Kopiuj zakres od</translation>
    </message>
    <message>
        <source>to</source>
        <translation>do</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiuj</translation>
    </message>
    <message>
        <source>Do not copy scenes</source>
        <translation>Nie kopiuj scen</translation>
    </message>
    <message>
        <source>Another Configuration</source>
        <translation>Inna konfiguracja</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>Plik:</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Przeglądaj</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Otwórz</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>Zwolnij</translation>
    </message>
    <message>
        <source>Choose a project description file for Kd620 controller</source>
        <translation>Wybierz plik projektu sterownika Kd620</translation>
    </message>
    <message>
        <source>Varidex 625 project/config files (*.kdg;*.cfg;*.cfg625);;All files (*)</source>
        <translation>Pliki projektu/konfiguracji Varidex 625 (*.kdg;*.cfg;*.cfg625);;Wszystkie pliki (*)</translation>
    </message>
    <message>
        <source>Useless action!</source>
        <translation>Bezcelowa operacja!</translation>
    </message>
    <message>
        <source>Choose another source!</source>
        <translation>Wybierz inne źródło!</translation>
    </message>
    <message>
        <source>Unrealisable action!</source>
        <translation>Operacja niewykonalna!</translation>
    </message>
    <message>
        <source>Program number limit exceeded!</source>
        <translation>Przekroczono limit liczby programów!</translation>
    </message>
    <message>
        <source>You are warned!</source>
        <translation>Ostrzeżenie!</translation>
    </message>
    <message>
        <source>Ranges are overlapping!
Do you really want to copy?</source>
        <translation>Zakresy nakładają się!
Czy na pewno kopiować?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Yes, I do!</source>
        <translation>Tak, na pewno!</translation>
    </message>
</context>
<context>
    <name>aprogram_settings_widget</name>
    <message>
        <source>Copying</source>
        <translation>Kopiowanie</translation>
    </message>
    <message>
        <source>Edit current scene</source>
        <translation>Edytuj scenę</translation>
    </message>
    <message>
        <source>Test entries</source>
        <translation>Testowe punkty wejścia</translation>
    </message>
    <message>
        <source>Single Steps</source>
        <translation>Pojedyncze kroki</translation>
    </message>
    <message>
        <source>Groupped Steps</source>
        <translation>Grupy kroków</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Program</translation>
    </message>
    <message>
        <source>Program description:</source>
        <translation>Opis programu:</translation>
    </message>
    <message>
        <source>Program:</source>
        <translation>Program:</translation>
    </message>
    <message>
        <source>Scenes&apos; Sequence</source>
        <translation>Sceny po kolei</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Wstaw</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiuj</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Wklej</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Zastąp</translation>
    </message>
    <message>
        <source>Number of scenes in program:</source>
        <translation>Liczba scen w programie:</translation>
    </message>
    <message>
        <source>Recurrences number:</source>
        <translation>Liczba powtórzeń:</translation>
    </message>
    <message>
        <source>infinite</source>
        <translation>bez końca</translation>
    </message>
    <message>
        <source>Current scene description:</source>
        <translation>Opis bieżącej sceny:</translation>
    </message>
    <message>
        <source>no description</source>
        <translation>brak opisu</translation>
    </message>
    <message>
        <source>Chained event:</source>
        <translation>Zdarzenie powiązane:</translation>
    </message>
    <message>
        <source>Nothing</source>
        <translation>Brak</translation>
    </message>
    <message>
        <source>Sequence start</source>
        <translation>Start sekwencji</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Opóźnienie</translation>
    </message>
    <message>
        <source>Internal Event</source>
        <translation>Zdarz. wewn.</translation>
    </message>
    <message>
        <source>Fade down time after break:</source>
        <translation>Czas wygaszania po przerwaniu:</translation>
    </message>
    <message>
        <source>Do not use</source>
        <translation>Nie używaj</translation>
    </message>
    <message>
        <source>Delay already in use!</source>
        <translation>Opóźnienie jest już używane!</translation>
    </message>
    <message>
        <source>Delay #%1 is blocked by sequence!
Corrected!</source>
        <translation>Opóźnienie nr %1 jest zajęte przez sekwencję!
Poprawiono!</translation>
    </message>
    <message>
        <source>Extra entries into existing programs:</source>
        <translation>Dodatkowe punkty wejścia do programów:</translation>
    </message>
    <message>
        <source>Start Program</source>
        <translation>Program</translation>
    </message>
    <message>
        <source>From step</source>
        <translation>Od kroku</translation>
    </message>
    <message>
        <source>As program</source>
        <translation>Jako program</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Dodaj</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Remove all</source>
        <translation>Usuń wszystkie</translation>
    </message>
    <message>
        <source>Unrealisable action!</source>
        <translation>Operacja niewykonalna!</translation>
    </message>
    <message>
        <source>Program number limit exceeded!</source>
        <translation>Przekroczono limit liczby programów!</translation>
    </message>
    <message>
        <source>Program exists!</source>
        <translation>Program istnieje!</translation>
    </message>
    <message>
        <source>Do you want to overwrite program No. %1?</source>
        <translation>Czy nadpisać program nr %1?</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nie</translation>
    </message>
    <message>
        <source>Yes, I do!</source>
        <translation>Tak, na pewno!</translation>
    </message>
    <message>
        <source>Not defined</source>
        <translation>Nieokreślony</translation>
    </message>
    <message>
        <source>Program too short</source>
        <translation>Program za krótki</translation>
    </message>
    <message>
        <source>Invalid step</source>
        <translation>Nieprawidłowy krok</translation>
    </message>
    <message>
        <source>Selection</source>
        <translation>Zaznaczanie</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Zaznacz</translation>
    </message>
    <message>
        <source>Deselect</source>
        <translation>Odznacz</translation>
    </message>
    <message>
        <source>Invert</source>
        <translation>Odwróć</translation>
    </message>
    <message>
        <source>Choose all or...</source>
        <translation>Wybierz wszystkie lub...</translation>
    </message>
    <message>
        <source>Choose every</source>
        <translation>Wybierz co</translation>
    </message>
    <message>
        <source>In range</source>
        <translation>W zakresie</translation>
    </message>
    <message>
        <source>from </source>
        <translation>od </translation>
    </message>
    <message>
        <source>to</source>
        <translation>do</translation>
    </message>
    <message>
        <source>Execute!</source>
        <translation>Wykonaj!</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Ustaw</translation>
    </message>
    <message>
        <source>Scene No.:</source>
        <translation>Scena nr:</translation>
    </message>
    <message>
        <source>Fade Up Time:</source>
        <translation>Czas narastania:</translation>
    </message>
    <message>
        <source>Duration:</source>
        <translation>Czas trwania:</translation>
    </message>
    <message>
        <source>Infinite</source>
        <translation>Bez końca</translation>
    </message>
</context>
<context>
    <name>ascene_groups_widget</name>
    <message>
        <source>Select group:</source>
        <translation>Wybierz grupę:</translation>
    </message>
    <message>
        <source>Group %1 members:</source>
        <translation>Sceny grupy %1:</translation>
    </message>
    <message>
        <source>Group No.</source>
        <translation>Grupa nr</translation>
    </message>
    <message>
        <source>Scene</source>
        <translation>Scena</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Opis</translation>
    </message>
    <message>
        <source>Add selected scene</source>
        <translation>Dodaj wybraną scenę</translation>
    </message>
    <message>
        <source>Remove selected member</source>
        <translation>Usuń wybraną scenę</translation>
    </message>
    <message>
        <source>Group %1</source>
        <translation>Grupa %1</translation>
    </message>
    <message>
        <source>Scene %1</source>
        <translation>Scena %1</translation>
    </message>
    <message>
        <source>Nothing to do!</source>
        <translation>Nic do zrobienia!</translation>
    </message>
    <message>
        <source>Scene %1 already coupled with group %2!</source>
        <translation>Scena %1 już należy do grupy %2!</translation>
    </message>
    <message>
        <source>Unrealisable action!</source>
        <translation>Operacja niewykonalna!</translation>
    </message>
    <message>
        <source>To many coupled scenes!</source>
        <translation>Zbyt wiele sprzężonych scen!</translation>
    </message>
    <message>
        <source>Are you sure?</source>
        <translation>Czy na pewno?</translation>
    </message>
    <message>
        <source>Scene %1 is coupled with group %2!</source>
        <translation>Scena %1 należy do grupy %2!</translation>
    </message>
    <message>
        <source>
Do you really move it to group %1?</source>
        <translation>
Czy na pewno przenieść ją do grupy %1?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Yes, I do!</source>
        <translation>Tak, na pewno!</translation>
    </message>
</context>
<context>
    <name>ascene_settings_widget</name>
    <message>
        <source>Coupled Scenes</source>
        <translation>Sceny sprzężone</translation>
    </message>
    <message>
        <source>Scene</source>
        <translation>Scena</translation>
    </message>
    <message>
        <source>Clear channels</source>
        <translation>Czyść kanały</translation>
    </message>
    <message>
        <source>Scene: %1</source>
        <translation>Scena: %1</translation>
    </message>
    <message>
        <source>Scene %1</source>
        <translation>Scena %1</translation>
    </message>
    <message>
        <source>Choose different source scene!</source>
        <translation>Wybierz inną scenę źródłową!</translation>
    </message>
    <message>
        <source>Varidex 620 project/config files (*.kdg;*.cfg;*.cfg620);;All files (*)</source>
        <translation>Pliki projektu/konfiguracji Varidex 620 (*.kdg;*.cfg;*.cfg620);;Wszystkie pliki (*)</translation>
    </message>
</context>
<context>
    <name>aseq_conf_widget</name>
    <message>
        <source>Step No.</source>
        <translation>Nr kroku</translation>
    </message>
    <message>
        <source>Delay Time</source>
        <translation>Opóźnienie</translation>
    </message>
    <message>
        <source>Global Time</source>
        <translation>Czas łączny</translation>
    </message>
    <message numerus="yes">
        <source>%n day(s) </source>
        <translation>
            <numerusform>%n dzień </numerusform>
            <numerusform>%n dni </numerusform>
            <numerusform>%n dni </numerusform>
        </translation>
    </message>
    <message>
        <source>finish</source>
        <translation>koniec</translation>
    </message>
    <message>
        <source>Action failed!</source>
        <translation>Operacja nie powiodła się!</translation>
    </message>
    <message>
        <source>To many delays defined!</source>
        <translation>Zdefiniowano zbyt wiele opóźnień!</translation>
    </message>
    <message>
        <source>Confirmation</source>
        <translation>Potwierdzenie</translation>
    </message>
    <message numerus="yes">
        <source>Not enough free delays without a time or end actions of their own are left.
%n delay(s) from Delay %1 on would become steps of this sequence, losing their times and end actions.
Really want to do so?</source>
        <translation>
            <numerusform>Zostało za mało wolnych opóźnień bez własnego czasu i bez własnych akcji końcowych.
%n opóźnienie, od Opóźnienia %1, stanie się krokiem tej sekwencji i straci swój czas oraz akcje końcowe.
Czy na pewno?</numerusform>
            <numerusform>Zostało za mało wolnych opóźnień bez własnego czasu i bez własnych akcji końcowych.
%n opóźnienia, od Opóźnienia %1, staną się krokami tej sekwencji i stracą swoje czasy oraz akcje końcowe.
Czy na pewno?</numerusform>
            <numerusform>Zostało za mało wolnych opóźnień bez własnego czasu i bez własnych akcji końcowych.
%n opóźnień, od Opóźnienia %1, stanie się krokami tej sekwencji i straci swoje czasy oraz akcje końcowe.
Czy na pewno?</numerusform>
        </translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nie</translation>
    </message>
    <message>
        <source>Yes!</source>
        <translation>Tak!</translation>
    </message>
</context>
<context>
    <name>aseq_settings_widget</name>
    <message>
        <source>Insert</source>
        <translation>Wstaw</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Finish
prev. step</source>
        <translation>Zakończ
poprz. krok</translation>
    </message>
    <message>
        <source>Seq. description:</source>
        <translation>Opis sekwencji:</translation>
    </message>
    <message>
        <source>Sequences</source>
        <translation>Sekwencje</translation>
    </message>
    <message>
        <source>Sequence No. %1</source>
        <translation>Sekwencja nr %1</translation>
    </message>
    <message>
        <source>Number of steps in sequence:</source>
        <translation>Liczba kroków w sekwencji:</translation>
    </message>
</context>
<context>
    <name>asettings_clock_widget</name>
    <message>
        <source>DST</source>
        <translation>Letni</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Ustaw</translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation>Kalibracja</translation>
    </message>
    <message>
        <source>Use system date and time</source>
        <translation>Data i czas systemu</translation>
    </message>
    <message>
        <source>Enable Daylight Saving Time</source>
        <translation>Włącz czas letni</translation>
    </message>
    <message>
        <source>Adjustment:</source>
        <translation>Korekta:</translation>
    </message>
    <message>
        <source>Date and time setting
error!</source>
        <translation>Błąd ustawiania
daty i czasu!</translation>
    </message>
    <message>
        <source>Date and time setting
successful!</source>
        <translation>Data i czas
ustawione!</translation>
    </message>
    <message>
        <source>USB Interface</source>
        <translation>Interfejs USB</translation>
    </message>
    <message>
        <source>Not connected!</source>
        <translation>Brak połączenia!</translation>
    </message>
    <message>
        <source>Overdue firmware version!</source>
        <translation>Przestarzała wersja firmware!</translation>
    </message>
    <message>
        <source>Required core &quot;G&quot; or newer!</source>
        <translation>Wymagany rdzeń &quot;G&quot; lub nowszy!</translation>
    </message>
</context>
<context>
    <name>asettings_descs_widget</name>
    <message>
        <source>States</source>
        <translation>Stany</translation>
    </message>
    <message>
        <source>State </source>
        <translation>Stan </translation>
    </message>
    <message>
        <source>Inputs</source>
        <translation>Wejścia</translation>
    </message>
    <message>
        <source>Input %1</source>
        <translation>Wejście %1</translation>
    </message>
    <message>
        <source>RCU inputs</source>
        <translation>Wejścia pilota</translation>
    </message>
    <message>
        <source>Button %1</source>
        <translation>Przycisk %1</translation>
    </message>
    <message>
        <source>Scenes</source>
        <translation>Sceny</translation>
    </message>
    <message>
        <source>Scene %1</source>
        <translation>Scena %1</translation>
    </message>
    <message>
        <source>Masks</source>
        <translation>Maski</translation>
    </message>
    <message>
        <source>Mask %1</source>
        <translation>Maska %1</translation>
    </message>
    <message>
        <source>Programs</source>
        <translation>Programy</translation>
    </message>
    <message>
        <source>Program %1</source>
        <translation>Program %1</translation>
    </message>
    <message>
        <source>Timers</source>
        <translation>Timery</translation>
    </message>
    <message>
        <source>Timer %1</source>
        <translation>Timer %1</translation>
    </message>
    <message>
        <source>Delays ( Events: delay end )</source>
        <translation>Opóźnienia ( zdarzenia: koniec opóźnienia )</translation>
    </message>
    <message>
        <source>Delay %1</source>
        <translation>Opóźnienie %1</translation>
    </message>
    <message>
        <source>Sequences ( Events: sequence start )</source>
        <translation>Sekwencje ( zdarzenia: start sekwencji )</translation>
    </message>
    <message>
        <source>Sequence %1</source>
        <translation>Sekwencja %1</translation>
    </message>
    <message>
        <source>Events: DMX output</source>
        <translation>Zdarzenia: wyjście DMX</translation>
    </message>
    <message>
        <source>Channel %1: %2</source>
        <translation>Kanał %1: %2</translation>
    </message>
    <message>
        <source>Events: internal</source>
        <translation>Zdarzenia: wewnętrzne</translation>
    </message>
    <message>
        <source>Internal event %1</source>
        <translation>Zdarzenie wewnętrzne %1</translation>
    </message>
    <message>
        <source>Events: input state changed</source>
        <translation>Zdarzenia: zmiana stanu wejścia</translation>
    </message>
    <message>
        <source>Input %1: %2</source>
        <translation>Wejście %1: %2</translation>
    </message>
    <message>
        <source>Events: RCU keys events</source>
        <translation>Zdarzenia: przyciski pilota</translation>
    </message>
    <message>
        <source>Btn %1: %2</source>
        <translation>Prz. %1: %2</translation>
    </message>
    <message>
        <source>Choose description category: </source>
        <translation>Wybierz kategorię opisów: </translation>
    </message>
    <message>
        <source>on</source>
        <translation>wł.</translation>
    </message>
    <message>
        <source>off</source>
        <translation>wył.</translation>
    </message>
    <message>
        <source>pressed</source>
        <translation>naciśnięty</translation>
    </message>
    <message>
        <source>repeated</source>
        <translation>powtarzany</translation>
    </message>
    <message>
        <source>released</source>
        <translation>zwolniony</translation>
    </message>
</context>
<context>
    <name>asettings_dmx_widget</name>
    <message>
        <source>DMX Ch. %1</source>
        <translation>Kan. DMX %1</translation>
    </message>
    <message>
        <source>DMX Channel: %1</source>
        <translation>Kanał DMX: %1</translation>
    </message>
    <message>
        <source>DMX Channel</source>
        <comment>column title</comment>
        <translation>Kanał DMX</translation>
    </message>
    <message>
        <source>Channel Settings</source>
        <comment>column title</comment>
        <translation>Ustawienia kanału</translation>
    </message>
    <message>
        <source>DMX Channel: 1</source>
        <translation>Kanał DMX: 1</translation>
    </message>
</context>
<context>
    <name>asettings_inputs_widget</name>
    <message>
        <source>Normal Open</source>
        <translation>Zwierne (NO)</translation>
    </message>
    <message>
        <source>Normal Close</source>
        <translation>Rozwierne (NC)</translation>
    </message>
    <message>
        <source>Unused</source>
        <translation>Nieużywane</translation>
    </message>
    <message>
        <source>Input %1</source>
        <translation>Wejście %1</translation>
    </message>
    <message>
        <source>Input</source>
        <comment>column name</comment>
        <translation>Wejście</translation>
    </message>
    <message>
        <source>Input Type</source>
        <comment>column name</comment>
        <translation>Typ wejścia</translation>
    </message>
    <message>
        <source>Description</source>
        <comment>column name</comment>
        <translation>Opis</translation>
    </message>
</context>
<context>
    <name>asettings_ired_tab</name>
    <message>
        <source>Btn %1</source>
        <translation>Prz. %1</translation>
    </message>
    <message>
        <source>Errors occured!</source>
        <translation>Wystąpiły błędy!</translation>
    </message>
    <message>
        <source>Errors parsing file
&quot;%1&quot; occured!
Refer to &quot;xml_report.log&quot;.</source>
        <translation>Podczas analizy pliku
„%1” wystąpiły błędy!
Szczegóły w pliku „xml_report.log”.</translation>
    </message>
    <message>
        <source>Undetermined RCU address value!</source>
        <translation>Nieokreślony adres pilota!</translation>
    </message>
    <message>
        <source>Invalid system address value!</source>
        <translation>Nieprawidłowy adres systemowy!</translation>
    </message>
    <message>
        <source>Undetermined key codes table!</source>
        <translation>Nieokreślona tabela kodów przycisków!</translation>
    </message>
    <message>
        <source>Invalid key number!</source>
        <translation>Nieprawidłowy numer przycisku!</translation>
    </message>
    <message>
        <source>Invalid key code!</source>
        <translation>Nieprawidłowy kod przycisku!</translation>
    </message>
    <message>
        <source>Data error!</source>
        <translation>Błąd danych!</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignoruj</translation>
    </message>
    <message>
        <source>Ignore all</source>
        <translation>Ignoruj wszystkie</translation>
    </message>
    <message>
        <source>Button</source>
        <comment>column name</comment>
        <translation>Przycisk</translation>
    </message>
    <message>
        <source>Code</source>
        <comment>column name</comment>
        <translation>Kod</translation>
    </message>
    <message>
        <source>Description</source>
        <comment>column name</comment>
        <translation>Opis</translation>
    </message>
    <message>
        <source>Button description</source>
        <translation>Opis przycisku</translation>
    </message>
    <message>
        <source>Read from file</source>
        <translation>Wczytaj z pliku</translation>
    </message>
    <message>
        <source>Save to file</source>
        <translation>Zapisz do pliku</translation>
    </message>
    <message>
        <source>Clear settings</source>
        <translation>Czyść ustawienia</translation>
    </message>
    <message>
        <source>Read from controller</source>
        <translation>Odczytaj ze sterownika</translation>
    </message>
    <message>
        <source>Send to controller</source>
        <translation>Wyślij do sterownika</translation>
    </message>
    <message>
        <source>Current system address:</source>
        <translation>Bieżący adres systemowy:</translation>
    </message>
    <message>
        <source>undetermined</source>
        <translation>nieokreślony</translation>
    </message>
    <message>
        <source>System Address</source>
        <translation>Adres systemowy</translation>
    </message>
    <message>
        <source>Do not use RCU</source>
        <translation>Bez pilota</translation>
    </message>
    <message>
        <source>Forced</source>
        <translation>Wymuszony</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Ustaw</translation>
    </message>
    <message>
        <source>Get from RCU</source>
        <translation>Pobierz z pilota</translation>
    </message>
    <message>
        <source>Selected Button</source>
        <translation>Wybrany przycisk</translation>
    </message>
    <message>
        <source>Not used</source>
        <translation>Nieużywany</translation>
    </message>
    <message>
        <source>Forced code</source>
        <translation>Stały kod</translation>
    </message>
    <message>
        <source>Get code from RCU</source>
        <translation>Kod z pilota</translation>
    </message>
    <message>
        <source>Varidex RCU Settings (*.rcu)</source>
        <translation>Ustawienia pilota Varidex (*.rcu)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Wszystkie pliki (*)</translation>
    </message>
    <message>
        <source>Choose a RCU settings file for KD625 controller</source>
        <translation>Wybierz plik ustawień pilota sterownika KD625</translation>
    </message>
    <message>
        <source>File error</source>
        <translation>Błąd pliku</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot; to write!</source>
        <translation>Nie można otworzyć pliku „%1” do zapisu!</translation>
    </message>
    <message>
        <source>Choose a RCU settings file for KD620 controller</source>
        <translation>Wybierz plik ustawień pilota sterownika KD620</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;!</source>
        <translation>Nie można otworzyć pliku „%1”!</translation>
    </message>
</context>
<context>
    <name>btn_lbl</name>
    <message>
        <source>Descr.</source>
        <translation>Opis</translation>
    </message>
</context>
<context>
    <name>clearConf</name>
    <message>
        <source>Clear configuration</source>
        <translation>Czyść konfigurację</translation>
    </message>
    <message>
        <source>Yes!</source>
        <translation>Tak!</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Scenes</source>
        <translation>Sceny</translation>
    </message>
    <message>
        <source>Programs</source>
        <translation>Programy</translation>
    </message>
    <message>
        <source>Chained Events</source>
        <translation>Zdarzenia powiązane</translation>
    </message>
    <message>
        <source>Descriptions</source>
        <translation>Opisy</translation>
    </message>
    <message>
        <source>Timers</source>
        <translation>Timery</translation>
    </message>
    <message>
        <source>Inputs</source>
        <translation>Wejścia</translation>
    </message>
    <message>
        <source>Clear settings:</source>
        <translation>Czyść ustawienia:</translation>
    </message>
    <message>
        <source>Internal Events</source>
        <translation>Zdarzenia wewnętrzne</translation>
    </message>
    <message>
        <source>DMX Outputs</source>
        <translation>Wyjścia DMX</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Wszystko</translation>
    </message>
    <message>
        <source>State &amp;&amp; Daytime Limits</source>
        <translation>Limit stanu i pory dnia</translation>
    </message>
    <message>
        <source>Delays &amp;&amp; Sequences</source>
        <translation>Opóźnienia i sekwencje</translation>
    </message>
    <message>
        <source>Are you sure?</source>
        <translation>Czy na pewno?</translation>
    </message>
    <message>
        <source>Masks</source>
        <translation>Maski</translation>
    </message>
    <message>
        <source>Sun Related Events</source>
        <translation>Zdarzenia wschodu i zachodu</translation>
    </message>
</context>
<context>
    <name>ctrl_monitor</name>
    <message>
        <source>Controller error</source>
        <translation>Błąd sterownika</translation>
    </message>
    <message>
        <source>Not connected!</source>
        <translation>Brak połączenia!</translation>
    </message>
    <message>
        <source>Internal states</source>
        <translation>Stany wewnętrzne</translation>
    </message>
    <message>
        <source>Show inputs&apos; states</source>
        <translation>Pokaż stany wejść</translation>
    </message>
    <message>
        <source>Show output DMX values</source>
        <translation>Pokaż wyjście DMX</translation>
    </message>
    <message>
        <source>Show internal states</source>
        <translation>Pokaż stany wewnętrzne</translation>
    </message>
    <message>
        <source>Controller Monitoring</source>
        <translation>Monitorowanie sterownika</translation>
    </message>
    <message>
        <source>Refresh rate (ms)</source>
        <translation>Odświeżanie (ms)</translation>
    </message>
    <message>
        <source>Improper version</source>
        <translation>Nieodpowiednia wersja</translation>
    </message>
    <message>
        <source>This feature requests firmware version 3.00.0004 or higher!</source>
        <translation>Ta funkcja wymaga firmware w wersji 3.00.0004 lub nowszej!</translation>
    </message>
    <message>
        <source>Inputs&apos; states</source>
        <translation>Stany wejść</translation>
    </message>
    <message>
        <source>Output DMX values</source>
        <translation>Wartości wyjścia DMX</translation>
    </message>
    <message>
        <source>Active states</source>
        <translation>Aktywne stany</translation>
    </message>
    <message>
        <source>Active scenes</source>
        <translation>Aktywne sceny</translation>
    </message>
    <message>
        <source>Active programs</source>
        <translation>Aktywne programy</translation>
    </message>
    <message>
        <source>Active masks</source>
        <translation>Aktywne maski</translation>
    </message>
    <message>
        <source>Active delays</source>
        <translation>Aktywne opóźnienia</translation>
    </message>
    <message>
        <source>no description...</source>
        <translation>brak opisu...</translation>
    </message>
    <message>
        <source>none</source>
        <translation>brak</translation>
    </message>
</context>
<context>
    <name>delayTimeEdit</name>
    <message>
        <source>Defined</source>
        <translation>Zdefiniowane</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>dmxOutputSet</name>
    <message>
        <source>Form</source>
        <translation>Formularz</translation>
    </message>
    <message>
        <source>Triggered</source>
        <translation>Wyzwalana</translation>
    </message>
    <message>
        <source>Hysteresis level UP:</source>
        <translation>Histereza w górę:</translation>
    </message>
    <message>
        <source>Hysteresis level DOWN:</source>
        <translation>Histereza w dół:</translation>
    </message>
    <message>
        <source>DMX Channel Values</source>
        <translation>Wartości kanału DMX</translation>
    </message>
    <message>
        <source>Minimal value:</source>
        <translation>Wartość min.:</translation>
    </message>
    <message>
        <source>Maximal value:</source>
        <translation>Wartość maks.:</translation>
    </message>
    <message>
        <source>Events Generation</source>
        <translation>Generowanie zdarzeń</translation>
    </message>
    <message>
        <source>From channel</source>
        <translation>Od kanału</translation>
    </message>
    <message>
        <source>To channel</source>
        <translation>Do kanału</translation>
    </message>
    <message>
        <source>Number Of Channels</source>
        <translation>Liczba kanałów</translation>
    </message>
    <message>
        <source>Output Channels Limit </source>
        <translation>Limit kanałów wyjścia </translation>
    </message>
    <message>
        <source>Characteristic</source>
        <translation>Charakterystyka</translation>
    </message>
    <message>
        <source>Linear</source>
        <translation>Liniowa</translation>
    </message>
    <message>
        <source>Non-linear</source>
        <translation>Nieliniowa</translation>
    </message>
    <message>
        <source>Mark Between Frame Time</source>
        <translation>Czas znacznika między ramkami</translation>
    </message>
    <message>
        <source>no delay</source>
        <translation>bez opóźnienia</translation>
    </message>
    <message>
        <source> µs</source>
        <translation> µs</translation>
    </message>
    <message>
        <source>Set MBFT to</source>
        <translation>Ustaw MBFT na</translation>
    </message>
</context>
<context>
    <name>dmx_sheet_group</name>
    <message>
        <source>Import / Export Masks</source>
        <translation>Import / eksport masek</translation>
    </message>
    <message>
        <source>Import / Export Scenes</source>
        <translation>Import / eksport scen</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Eksport</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>Plik:</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Przeglądaj</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>Wybierz</translation>
    </message>
    <message>
        <source>Copy from range:</source>
        <translation>Kopiuj zakres od</translation>
    </message>
    <message>
        <source>to</source>
        <translation>do</translation>
    </message>
    <message>
        <source>Relocate masks:</source>
        <translation>Przenieś maski do:</translation>
    </message>
    <message>
        <source>Relocate scenes:</source>
        <translation>Przenieś sceny do:</translation>
    </message>
    <message>
        <source>Export masks:</source>
        <translation>Eksport masek:</translation>
    </message>
    <message>
        <source>Export scenes:</source>
        <translation>Eksport scen:</translation>
    </message>
    <message>
        <source>Import masks:</source>
        <translation>Import masek:</translation>
    </message>
    <message>
        <source>Import scenes:</source>
        <translation>Import scen:</translation>
    </message>
    <message>
        <source>QVR DMX Sheets (*.dmx;*.csv)</source>
        <translation>Arkusze DMX QVR (*.dmx;*.csv)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Wszystkie pliki (*)</translation>
    </message>
    <message>
        <source>Choose masks&apos; value sheet</source>
        <translation>Wybierz arkusz wartości masek</translation>
    </message>
    <message>
        <source>Choose DMX value sheet</source>
        <translation>Wybierz arkusz wartości DMX</translation>
    </message>
    <message>
        <source>Choose file to save masks</source>
        <translation>Wybierz plik do zapisu masek</translation>
    </message>
    <message>
        <source>Choose file to save scenes</source>
        <translation>Wybierz plik do zapisu scen</translation>
    </message>
    <message>
        <source>Invalid range!</source>
        <translation>Nieprawidłowy zakres!</translation>
    </message>
    <message>
        <source>Cannot open file %1 to write!</source>
        <translation>Nie można otworzyć pliku %1 do zapisu!</translation>
    </message>
    <message>
        <source>Cannot open writing stream!</source>
        <translation>Nie można otworzyć strumienia zapisu!</translation>
    </message>
    <message numerus="yes">
        <source>%n mask(s) exported!</source>
        <translation>
            <numerusform>Wyeksportowano %n maskę!</numerusform>
            <numerusform>Wyeksportowano %n maski!</numerusform>
            <numerusform>Wyeksportowano %n masek!</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n scene(s) exported!</source>
        <translation>
            <numerusform>Wyeksportowano %n scenę!</numerusform>
            <numerusform>Wyeksportowano %n sceny!</numerusform>
            <numerusform>Wyeksportowano %n scen!</numerusform>
        </translation>
    </message>
    <message>
        <source>Required number of masks exceeds Excel limits!
Continue anyway?</source>
        <translation>Liczba masek przekracza limity Excela!
Kontynuować mimo to?</translation>
    </message>
    <message>
        <source>Required number of scenes exceeds Excel limits!
Continue anyway?</source>
        <translation>Liczba scen przekracza limity Excela!
Kontynuować mimo to?</translation>
    </message>
    <message>
        <source>Yes!</source>
        <translation>Tak!</translation>
    </message>
    <message>
        <source>Repair</source>
        <translation>Napraw</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Cannot open file %1!</source>
        <translation>Nie można otworzyć pliku %1!</translation>
    </message>
    <message>
        <source>Invalid DMX sheet!</source>
        <translation>Nieprawidłowy arkusz DMX!</translation>
    </message>
    <message>
        <source>Not enough memory!</source>
        <translation>Za mało pamięci!</translation>
    </message>
    <message>
        <source>No valid masks found!</source>
        <translation>Nie znaleziono poprawnych masek!</translation>
    </message>
    <message>
        <source>No valid scenes found!</source>
        <translation>Nie znaleziono poprawnych scen!</translation>
    </message>
    <message numerus="yes">
        <source>%n mask(s) imported!</source>
        <translation>
            <numerusform>Zaimportowano %n maskę!</numerusform>
            <numerusform>Zaimportowano %n maski!</numerusform>
            <numerusform>Zaimportowano %n masek!</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n scene(s) imported!</source>
        <translation>
            <numerusform>Zaimportowano %n scenę!</numerusform>
            <numerusform>Zaimportowano %n sceny!</numerusform>
            <numerusform>Zaimportowano %n scen!</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) of the sheet were too long to read: their values were not imported.</source>
        <translation>
            <numerusform>%n wiersz arkusza był za długi do odczytu: jego wartości nie zaimportowano.</numerusform>
            <numerusform>%n wiersze arkusza były za długie do odczytu: ich wartości nie zaimportowano.</numerusform>
            <numerusform>%n wierszy arkusza było za długich do odczytu: ich wartości nie zaimportowano.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>dmx_value_class</name>
    <message>
        <source>On</source>
        <translation>Wł.</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Wył.</translation>
    </message>
    <message>
        <source>no description...</source>
        <translation>brak opisu...</translation>
    </message>
</context>
<context>
    <name>gui_class</name>
    <message>
        <source>&amp;Exit</source>
        <translation>Za&amp;kończ</translation>
    </message>
    <message>
        <source>Close application</source>
        <translation>Zamknij program</translation>
    </message>
    <message>
        <source>&amp;Open file</source>
        <translation>&amp;Otwórz plik</translation>
    </message>
    <message>
        <source>Open configuration file</source>
        <translation>Otwórz plik konfiguracji</translation>
    </message>
    <message>
        <source>&amp;Save file</source>
        <translation>&amp;Zapisz plik</translation>
    </message>
    <message>
        <source>Save configuration file</source>
        <translation>Zapisz plik konfiguracji</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Czyść</translation>
    </message>
    <message>
        <source>Clear current configuration</source>
        <translation>Czyść bieżącą konfigurację</translation>
    </message>
    <message>
        <source>View &amp;Inputs</source>
        <translation>Pokaż &amp;wejścia</translation>
    </message>
    <message>
        <source>Show inputs&apos; state in another window</source>
        <translation>Pokaż stan wejść w osobnym oknie</translation>
    </message>
    <message>
        <source>View &amp;States</source>
        <translation>Pokaż &amp;stany</translation>
    </message>
    <message>
        <source>Show internal states in another window</source>
        <translation>Pokaż stany wewnętrzne w osobnym oknie</translation>
    </message>
    <message>
        <source>View &amp;DMX output</source>
        <translation>Pokaż wyjście &amp;DMX</translation>
    </message>
    <message>
        <source>Show DMX output channels in another window</source>
        <translation>Pokaż kanały wyjścia DMX w osobnym oknie</translation>
    </message>
    <message>
        <source>Close aux. &amp;windows</source>
        <translation>Zamknij &amp;okna pomocnicze</translation>
    </message>
    <message>
        <source>Close all auxiliary windows</source>
        <translation>Zamknij wszystkie okna pomocnicze</translation>
    </message>
    <message>
        <source>C&amp;heck upgrades</source>
        <translation>&amp;Sprawdź aktualizacje</translation>
    </message>
    <message>
        <source>Search for updates at QVR website</source>
        <translation>Szukaj aktualizacji na stronie QVR</translation>
    </message>
    <message>
        <source>&amp;Upgrade KD625</source>
        <translation>&amp;Aktualizuj KD625</translation>
    </message>
    <message>
        <source>Send upgrade to KD625 controller</source>
        <translation>Wyślij aktualizację do sterownika KD625</translation>
    </message>
    <message>
        <source>&amp;Verify firmware</source>
        <translation>&amp;Weryfikuj firmware</translation>
    </message>
    <message>
        <source>Verify firmware</source>
        <translation>Weryfikuj firmware</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Pomo&amp;c</translation>
    </message>
    <message>
        <source>How to get help</source>
        <translation>Jak uzyskać pomoc</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;O programie</translation>
    </message>
    <message>
        <source>Information about application</source>
        <translation>Informacje o programie</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <source>Operations on files and exit</source>
        <translation>Operacje na plikach i zakończenie</translation>
    </message>
    <message>
        <source>&amp;Views</source>
        <translation>&amp;Widok</translation>
    </message>
    <message>
        <source>Auxiliary windows control</source>
        <translation>Okna pomocnicze</translation>
    </message>
    <message>
        <source>&amp;Upgrade</source>
        <translation>&amp;Aktualizacja</translation>
    </message>
    <message>
        <source>Firmware version management</source>
        <translation>Zarządzanie wersją firmware</translation>
    </message>
    <message>
        <source>Short informations about application</source>
        <translation>Krótkie informacje o programie</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Język</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Język</translation>
    </message>
    <message>
        <source>Change application language</source>
        <translation>Zmień język programu</translation>
    </message>
    <message>
        <source>Change language to: </source>
        <translation>Zmień język na: </translation>
    </message>
    <message>
        <source>Warning!</source>
        <translation>Uwaga!</translation>
    </message>
    <message>
        <source>Cannot write new language!</source>
        <translation>Nie można zapisać nowego języka!</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Wejście</translation>
    </message>
    <message>
        <source>Seq. start</source>
        <translation>Start sekw.</translation>
    </message>
    <message>
        <source>Delay</source>
        <translation>Opóźnienie</translation>
    </message>
    <message>
        <source>Internal Event</source>
        <translation>Zdarz. wewn.</translation>
    </message>
    <message>
        <source>DMX Out</source>
        <translation>Wyjście DMX</translation>
    </message>
    <message>
        <source>Timer</source>
        <translation>Timer</translation>
    </message>
    <message>
        <source>R. C. Key</source>
        <translation>Przycisk pilota</translation>
    </message>
    <message>
        <source>CSV sheets (*.csv)</source>
        <translation>Arkusze CSV (*.csv)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Wszystkie pliki (*)</translation>
    </message>
    <message>
        <source>Date and Time</source>
        <translation>Data i godzina</translation>
    </message>
    <message>
        <source>Enable / Disable Delay Times</source>
        <translation>Włącz / wyłącz czasy opóźnień</translation>
    </message>
    <message>
        <source>Events Generator</source>
        <translation>Generator zdarzeń</translation>
    </message>
    <message>
        <source>Miscellaneous</source>
        <translation>Różne</translation>
    </message>
    <message>
        <source>Enable Sunrise / Sunset Events</source>
        <translation>Włącz zdarzenia wschodu / zachodu słońca</translation>
    </message>
    <message>
        <source>Start-up Time</source>
        <translation>Czas uruchomienia</translation>
    </message>
    <message>
        <source>Shut-down Time</source>
        <translation>Czas wyłączenia</translation>
    </message>
    <message>
        <source>Location latitude:</source>
        <translation>Szerokość geograficzna:</translation>
    </message>
    <message>
        <source>Location longitude:</source>
        <translation>Długość geograficzna:</translation>
    </message>
    <message>
        <source>Time zone:</source>
        <translation>Strefa czasowa:</translation>
    </message>
    <message>
        <source>GMT +</source>
        <translation>GMT +</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Oblicz</translation>
    </message>
    <message>
        <source>Read from file</source>
        <translation>Wczytaj z pliku</translation>
    </message>
    <message>
        <source>Save to file</source>
        <translation>Zapisz do pliku</translation>
    </message>
    <message>
        <source>Choose event:</source>
        <translation>Wybierz zdarzenie:</translation>
    </message>
    <message>
        <source>Generate</source>
        <translation>Wygeneruj</translation>
    </message>
    <message>
        <source>Enable extra entries
into existing programs</source>
        <translation>Włącz dodatkowe punkty
wejścia do programów</translation>
    </message>
    <message>
        <source>GMT </source>
        <translation>GMT </translation>
    </message>
    <message>
        <source>Choose a file containing sunrise and sunset times</source>
        <translation>Wybierz plik z godzinami wschodu i zachodu słońca</translation>
    </message>
    <message>
        <source>Cannot open file %1!</source>
        <translation>Nie można otworzyć pliku %1!</translation>
    </message>
    <message>
        <source>Cannot read times!</source>
        <translation>Nie można odczytać godzin!</translation>
    </message>
    <message>
        <source>Choose a file to save sunrise and sunset times</source>
        <translation>Wybierz plik do zapisu godzin wschodu i zachodu słońca</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot; to write!</source>
        <translation>Nie można otworzyć pliku „%1” do zapisu!</translation>
    </message>
    <message>
        <source>Cannot save times!</source>
        <translation>Nie można zapisać godzin!</translation>
    </message>
    <message>
        <source>N/A</source>
        <translation>nd.</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Wł.</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Wył.</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation>Powtórz</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Not connected!</source>
        <comment>QMessageBox</comment>
        <translation>Brak połączenia!</translation>
    </message>
    <message>
        <source>USB Interface</source>
        <translation>Interfejs USB</translation>
    </message>
    <message>
        <source>Control error!</source>
        <translation>Błąd sterowania!</translation>
    </message>
    <message>
        <source>Please call or send an email.</source>
        <translation>Prosimy o telefon lub e-mail.</translation>
    </message>
    <message>
        <source>QVR Varidex625 - Help</source>
        <translation>QVR Varidex625 - Pomoc</translation>
    </message>
    <message>
        <source>Software for KD625 controller configuration.
Release:   </source>
        <translation>Program do konfiguracji sterownika KD625.
Wersja:   </translation>
    </message>
    <message>
        <source>Limited company
1 Lantern Street
62-500 Lumenfield
Lumenland

tel. %1
fax. %2
Tax no. 625-000-128

email: %3</source>
        <translation>Sp. z o.o.
1 Lantern Street
62-500 Lumenfield
Lumenland

tel. %1
faks %2
NIP 625-000-128

e-mail: %3</translation>
    </message>
    <message>
        <source>QVR Varidex625 - About</source>
        <translation>QVR Varidex625 - O programie</translation>
    </message>
    <message>
        <source>About Qt libraries: </source>
        <translation>O bibliotekach Qt: </translation>
    </message>
    <message>
        <source>File</source>
        <translation>Plik</translation>
    </message>
    <message>
        <source>Upgrade</source>
        <translation>Aktualizacja</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>Choose an upgrade file for QVR KD625 controller</source>
        <translation>Wybierz plik aktualizacji dla sterownika QVR KD625</translation>
    </message>
    <message>
        <source>Upgrade (*.upg)</source>
        <translation>Aktualizacja (*.upg)</translation>
    </message>
</context>
<context>
    <name>inKey_class</name>
    <message>
        <source>%1: Off</source>
        <translation>%1: wył.</translation>
    </message>
    <message>
        <source>Undef.</source>
        <translation>Nieokr.</translation>
    </message>
    <message>
        <source>%1: On</source>
        <translation>%1: wł.</translation>
    </message>
    <message>
        <source>no description...</source>
        <translation>brak opisu...</translation>
    </message>
</context>
<context>
    <name>kd620_controller_class</name>
    <message>
        <source>Not enough memory! Quitting!</source>
        <translation>Za mało pamięci! Program zostanie zamknięty!</translation>
    </message>
    <message>
        <source>Configuration error:</source>
        <translation>Błąd konfiguracji:</translation>
    </message>
    <message>
        <source>Coupling tables are not coherent!<byte value="xd"/>
The first one was taken.</source>
        <translation>Tablice sprzężeń są niespójne!<byte value="xd"/>
Przyjęto pierwszą z nich.</translation>
    </message>
    <message>
        <source>Warning!</source>
        <translation>Uwaga!</translation>
    </message>
    <message>
        <source>Actions limit exceed!</source>
        <translation>Przekroczono limit akcji!</translation>
    </message>
    <message>
        <source>Incomplete file!</source>
        <translation>Niekompletny plik!</translation>
    </message>
    <message>
        <source>Not all days of year are properly described!
	Continue anyway?</source>
        <translation>Nie wszystkie dni roku są poprawnie opisane!
	Kontynuować mimo to?</translation>
    </message>
    <message>
        <source>Skip this</source>
        <translation>Pomiń ten</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Skip all</source>
        <translation>Pomiń wszystkie</translation>
    </message>
    <message>
        <source>Firmware upgrade</source>
        <translation>Aktualizacja firmware</translation>
    </message>
    <message>
        <source>Do you really want to install older firmware release?</source>
        <translation>Czy na pewno zainstalować starszą wersję firmware?</translation>
    </message>
    <message>
        <source>Yes, I do!</source>
        <translation>Tak, na pewno!</translation>
    </message>
    <message>
        <source>USB Interface</source>
        <translation>Interfejs USB</translation>
    </message>
    <message>
        <source>Current version reading error!</source>
        <translation>Błąd odczytu bieżącej wersji!</translation>
    </message>
    <message>
        <source>This relaese of firmware is already installed!</source>
        <translation>Ta wersja firmware jest już zainstalowana!</translation>
    </message>
    <message>
        <source>Writing error!</source>
        <translation>Błąd zapisu!</translation>
    </message>
    <message>
        <source>Protocol error!</source>
        <translation>Błąd protokołu!</translation>
    </message>
    <message>
        <source>The upgrade file is empty!</source>
        <translation>Plik aktualizacji jest pusty!</translation>
    </message>
    <message>
        <source>Upgrade successful!</source>
        <translation>Aktualizacja zakończona pomyślnie!</translation>
    </message>
    <message>
        <source>Upgrade failed!</source>
        <translation>Aktualizacja nie powiodła się!</translation>
    </message>
    <message>
        <source>Control error!</source>
        <translation>Błąd sterowania!</translation>
    </message>
    <message>
        <source>Verification error: block %1
address 0x%2</source>
        <translation>Błąd weryfikacji: blok %1
adres 0x%2</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignoruj</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>Reading error!</source>
        <translation>Błąd odczytu!</translation>
    </message>
    <message>
        <source>Incorrect structure of block %1</source>
        <translation>Nieprawidłowa struktura bloku %1</translation>
    </message>
    <message>
        <source>Firmware verification</source>
        <translation>Weryfikacja firmware</translation>
    </message>
    <message>
        <source>Verification successful!</source>
        <translation>Weryfikacja zakończona pomyślnie!</translation>
    </message>
    <message>
        <source>Verification failed!</source>
        <translation>Weryfikacja nie powiodła się!</translation>
    </message>
    <message>
        <source>Not connected!</source>
        <translation>Brak połączenia!</translation>
    </message>
    <message>
        <source>File not found: </source>
        <translation>Nie znaleziono pliku: </translation>
    </message>
    <message>
        <source>Not enough memory!</source>
        <translation>Za mało pamięci!</translation>
    </message>
    <message>
        <source>File reading error: </source>
        <translation>Błąd odczytu pliku: </translation>
    </message>
    <message>
        <source>File </source>
        <translation>Plik </translation>
    </message>
    <message>
        <source>
is not a proper upgrade file!</source>
        <translation>
nie jest prawidłowym plikiem aktualizacji!</translation>
    </message>
    <message>
        <source>Allocation error: </source>
        <translation>Błąd przydziału pamięci: </translation>
    </message>
    <message>
        <source>CRC error in block %1</source>
        <translation>Błąd CRC w bloku %1</translation>
    </message>
    <message>
        <source>Cannot read inputs&apos; states!</source>
        <translation>Nie można odczytać stanów wejść!</translation>
    </message>
    <message>
        <source>Cannot initiate monitoring!</source>
        <translation>Nie można rozpocząć monitorowania!</translation>
    </message>
    <message>
        <source>Cannot initiate reading!</source>
        <translation>Nie można rozpocząć odczytu!</translation>
    </message>
    <message>
        <source>Cannot read inputs&apos; configuration!</source>
        <translation>Nie można odczytać konfiguracji wejść!</translation>
    </message>
    <message>
        <source>Remote control:</source>
        <translation>Pilot:</translation>
    </message>
    <message>
        <source>Operation failed!</source>
        <translation>Operacja nie powiodła się!</translation>
    </message>
    <message>
        <source>Time exceeded!</source>
        <translation>Przekroczono czas!</translation>
    </message>
    <message>
        <source>Invalid R. C. address!</source>
        <translation>Nieprawidłowy adres pilota!</translation>
    </message>
    <message>
        <source>Ambiguous R. C. address!</source>
        <translation>Niejednoznaczny adres pilota!</translation>
    </message>
    <message>
        <source>Please select button!</source>
        <translation>Wybierz przycisk!</translation>
    </message>
    <message>
        <source>Divergent key!</source>
        <translation>Niezgodny przycisk!</translation>
    </message>
    <message>
        <source>Invalid key code!</source>
        <translation>Nieprawidłowy kod przycisku!</translation>
    </message>
    <message>
        <source>RCU key code reading failed!</source>
        <translation>Odczyt kodu przycisku pilota nie powiódł się!</translation>
    </message>
    <message>
        <source>Invalid key code [%1]!</source>
        <translation>Nieprawidłowy kod przycisku [%1]!</translation>
    </message>
    <message>
        <source>RCU key code writing failed!</source>
        <translation>Zapis kodu przycisku pilota nie powiódł się!</translation>
    </message>
    <message>
        <source>RCU address writing failed!</source>
        <translation>Zapis adresu pilota nie powiódł się!</translation>
    </message>
    <message>
        <source>RCU data saving failed!</source>
        <translation>Zapis danych pilota nie powiódł się!</translation>
    </message>
    <message>
        <source>Errors occured!</source>
        <translation>Wystąpiły błędy!</translation>
    </message>
    <message>
        <source>Errors parsing file
&quot;%1&quot; occured!
Refer to &quot;xml_report.log&quot;.</source>
        <translation>Podczas analizy pliku
„%1” wystąpiły błędy!
Szczegóły w pliku „xml_report.log”.</translation>
    </message>
    <message>
        <source>Older version!</source>
        <translation>Starsza wersja!</translation>
    </message>
    <message>
        <source>The file contains previous version of configuration!
To convert it into current format try get
a converting program from QVR website!</source>
        <translation>Plik zawiera poprzednią wersję konfiguracji!
Aby przekształcić go do bieżącego formatu, pobierz
program konwertujący ze strony QVR!</translation>
    </message>
    <message>
        <source>Invalid file!</source>
        <translation>Nieprawidłowy plik!</translation>
    </message>
    <message>
        <source>This file is not a valid project description file:
&quot;%1&quot;</source>
        <translation>Ten plik nie jest prawidłowym plikiem opisu projektu:
„%1”</translation>
    </message>
    <message>
        <source>Data read from file
       failed!

File corrupted.</source>
        <translation>Odczyt danych z pliku
   nie powiódł się!

Plik jest uszkodzony.</translation>
    </message>
    <message>
        <source>Data read from file
    successful!</source>
        <translation>Odczyt danych z pliku
 zakończony pomyślnie!</translation>
    </message>
    <message>
        <source>Old-style file format!</source>
        <translation>Stary format pliku!</translation>
    </message>
    <message>
        <source>You have choosen old-style configuration file format!
Some informations will not be saved into file, and may get lost!
Continue anyway?</source>
        <translation>Wybrano stary format pliku konfiguracji!
Część informacji nie zostanie zapisana w pliku i może zostać utracona!
Kontynuować mimo to?</translation>
    </message>
    <message>
        <source>successful!</source>
        <translation>zakończony pomyślnie!</translation>
    </message>
    <message>
        <source>failed!</source>
        <translation>nie powiódł się!</translation>
    </message>
    <message>
        <source>Data write to file </source>
        <translation>Zapis danych do pliku </translation>
    </message>
    <message>
        <source>Config and data writing
     failed!</source>
        <translation>Zapis konfiguracji i danych
     nie powiódł się!</translation>
    </message>
    <message>
        <source>Old firmware version!</source>
        <translation>Stara wersja firmware!</translation>
    </message>
    <message>
        <source>Firmware older then 3.00.0009 cannot serve only 32 DMX channels!
Look for upgrade on the QVR site: %1 !
Continue anyway?</source>
        <translation>Firmware starszy niż 3.00.0009 nie obsługuje pracy z tylko 32 kanałami DMX!
Aktualizacji szukaj na stronie QVR: %1 !
Kontynuować mimo to?</translation>
    </message>
    <message>
        <source>Sending configuration and data...</source>
        <translation>Wysyłanie konfiguracji i danych...</translation>
    </message>
    <message>
        <source>Config and data writing
     successful!</source>
        <translation>Zapis konfiguracji i danych
   zakończony pomyślnie!</translation>
    </message>
    <message>
        <source>Reading configuration...</source>
        <translation>Odczyt konfiguracji...</translation>
    </message>
    <message>
        <source>Configuration reading
successful!</source>
        <translation>Odczyt konfiguracji
zakończony pomyślnie!</translation>
    </message>
    <message>
        <source>Configuration reading
 failed!</source>
        <translation>Odczyt konfiguracji
 nie powiódł się!</translation>
    </message>
    <message>
        <source>A KD625 is plugged in, but this user has no permission to open its USB device.
Install the udev rule resources/udev/60-varidex625.rules as README.md describes, then unplug the controller and plug it in again.</source>
        <translation>Sterownik KD625 jest podłączony, ale ten użytkownik nie ma uprawnień do otwarcia jego urządzenia USB.
Zainstaluj regułę udev resources/udev/60-varidex625.rules zgodnie z opisem w README.md, a następnie odłącz sterownik i podłącz go ponownie.</translation>
    </message>
</context>
<context>
    <name>level_settings_page</name>
    <message>
        <source>Single Channels</source>
        <translation>Pojedyncze kanały</translation>
    </message>
    <message>
        <source>Groupped Channels</source>
        <translation>Grupy kanałów</translation>
    </message>
    <message>
        <source>Copying</source>
        <translation>Kopiowanie</translation>
    </message>
    <message>
        <source>Fade Up Time:</source>
        <translation>Czas narastania:</translation>
    </message>
    <message>
        <source>Duration:</source>
        <translation>Czas trwania:</translation>
    </message>
    <message>
        <source>Fade Down Time:</source>
        <translation>Czas wygaszania:</translation>
    </message>
    <message>
        <source>Infinite</source>
        <translation>Bez końca</translation>
    </message>
    <message>
        <source>Description:</source>
        <translation>Opis:</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Zezwól</translation>
    </message>
    <message>
        <source>values setting</source>
        <translation>ustawianie wartości</translation>
    </message>
    <message>
        <source>with slider</source>
        <translation>suwakiem</translation>
    </message>
    <message>
        <source>Selection</source>
        <translation>Zaznaczanie</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Zaznacz</translation>
    </message>
    <message>
        <source>Deselect</source>
        <translation>Odznacz</translation>
    </message>
    <message>
        <source>Invert</source>
        <translation>Odwróć</translation>
    </message>
    <message>
        <source>Choose all or...</source>
        <translation>Wybierz wszystkie lub...</translation>
    </message>
    <message>
        <source>Choose every</source>
        <translation>Wybierz co</translation>
    </message>
    <message>
        <source>In range</source>
        <translation>W zakresie</translation>
    </message>
    <message>
        <source>from </source>
        <translation>od </translation>
    </message>
    <message>
        <source>to</source>
        <translation>do</translation>
    </message>
    <message>
        <source>Execute!</source>
        <translation>Wykonaj!</translation>
    </message>
    <message>
        <source>Rule broken!</source>
        <translation>Naruszona reguła!</translation>
    </message>
    <message>
        <source>All times cannot equal 0!
Duration will be fixed.</source>
        <translation>Wszystkie czasy nie mogą być równe 0!
Czas trwania zostanie poprawiony.</translation>
    </message>
    <message>
        <source>Current Configuration</source>
        <translation>Bieżąca konfiguracja</translation>
    </message>
    <message>
        <source>Copy from range:</source>
        <translation>Kopiuj zakres od</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiuj</translation>
    </message>
    <message>
        <source>Another Configuration</source>
        <translation>Inna konfiguracja</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>Plik:</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Przeglądaj</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Otwórz</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>Zwolnij</translation>
    </message>
    <message>
        <source>copying</source>
        <translation>kopiowanie</translation>
    </message>
    <message>
        <source>with relocation</source>
        <translation>z przeniesieniem</translation>
    </message>
    <message>
        <source>Useless action!</source>
        <translation>Bezcelowa operacja!</translation>
    </message>
    <message>
        <source>Choose a project description file for Kd620 controller</source>
        <translation>Wybierz plik projektu sterownika Kd620</translation>
    </message>
</context>
<context>
    <name>monitorek</name>
    <message>
        <source>monitorek</source>
        <translation>monitorek</translation>
    </message>
    <message>
        <source>Stop monitoring</source>
        <translation>Zatrzymaj monitorowanie</translation>
    </message>
</context>
<context>
    <name>page_base</name>
    <message>
        <source>no description</source>
        <translation>brak opisu</translation>
    </message>
</context>
<context>
    <name>program_copy_run</name>
    <message>
        <source>Source program %1 does not exist!</source>
        <translation>Program źródłowy %1 nie istnieje!</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Pomiń</translation>
    </message>
    <message>
        <source>Destination program %1 does exist!</source>
        <translation>Program docelowy %1 już istnieje!</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>Nadpisz</translation>
    </message>
    <message>
        <source>Unrealisable action!</source>
        <translation>Operacja niewykonalna!</translation>
    </message>
    <message>
        <source>Scene number limit exceeded!</source>
        <translation>Przekroczono limit liczby scen!</translation>
    </message>
    <message>
        <source>Some problems</source>
        <translation>Problemy</translation>
    </message>
    <message>
        <source>Supress warnings</source>
        <translation>Bez ostrzeżeń</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>program_list_class</name>
    <message>
        <source>Warning!</source>
        <translation>Uwaga!</translation>
    </message>
    <message>
        <source>Program steps limit exceed!</source>
        <translation>Przekroczono limit kroków programu!</translation>
    </message>
</context>
<context>
    <name>reconnectDialog</name>
    <message>
        <source>Device not connected!</source>
        <translation>Urządzenie nie jest podłączone!</translation>
    </message>
    <message>
        <source>Previously connected controller is no longer available!</source>
        <translation>Poprzednio podłączony sterownik nie jest już dostępny!</translation>
    </message>
    <message>
        <source>
Retry or choose another device to connect.</source>
        <translation>
Ponów próbę lub wybierz inne urządzenie do połączenia.</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Ponów</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Zmień</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>right_panel_widget</name>
    <message>
        <source>Send config to KD625</source>
        <translation>Wyślij do KD625</translation>
    </message>
    <message>
        <source>Read config from KD625</source>
        <translation>Odczytaj z KD625</translation>
    </message>
    <message>
        <source>Save config to file</source>
        <translation>Zapisz do pliku</translation>
    </message>
    <message>
        <source>Read config from file</source>
        <translation>Wczytaj z pliku</translation>
    </message>
    <message>
        <source>Clear config</source>
        <translation>Czyść</translation>
    </message>
    <message>
        <source>Connect with KD625</source>
        <translation>Połącz z KD625</translation>
    </message>
    <message>
        <source>Disconnect KD625</source>
        <translation>Rozłącz KD625</translation>
    </message>
    <message>
        <source>Live</source>
        <translation>Na żywo</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normalny</translation>
    </message>
    <message>
        <source>Freeze</source>
        <translation>Zamroź</translation>
    </message>
    <message>
        <source>Restart KD625</source>
        <translation>Restart KD625</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Konfiguracja</translation>
    </message>
    <message>
        <source>KD625 Controller</source>
        <translation>Sterownik KD625</translation>
    </message>
    <message>
        <source>Status: </source>
        <translation>Status: </translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Rozłączony</translation>
    </message>
    <message>
        <source>KD625 working mode:</source>
        <translation>Tryb pracy KD625:</translation>
    </message>
    <message>
        <source>S/N ----</source>
        <translation>S/N ----</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Połączony</translation>
    </message>
    <message>
        <source>Controller not frozen!</source>
        <translation>Sterownik nie jest zamrożony!</translation>
    </message>
    <message>
        <source>Controller still frozen!</source>
        <translation>Sterownik nadal jest zamrożony!</translation>
    </message>
    <message>
        <source>Not connected!</source>
        <comment>QMessageBox</comment>
        <translation>Brak połączenia!</translation>
    </message>
    <message>
        <source>Restart failed!</source>
        <translation>Restart nie powiódł się!</translation>
    </message>
    <message>
        <source>Configuration not sent!</source>
        <translation>Konfiguracja nie została wysłana!</translation>
    </message>
    <message>
        <source>Configuration not read!</source>
        <translation>Konfiguracja nie została odczytana!</translation>
    </message>
    <message>
        <source>Varidex project description (*.cfg625;*.cfg620;*.kdg)</source>
        <translation>Opis projektu Varidex (*.cfg625;*.cfg620;*.kdg)</translation>
    </message>
    <message>
        <source>Varidex 620 old-style config (*.cfg)</source>
        <translation>Konfiguracja Varidex 620 w starym formacie (*.cfg)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Wszystkie pliki (*)</translation>
    </message>
    <message>
        <source>Choose a project description file for Kd625 controller</source>
        <translation>Wybierz plik opisu projektu dla sterownika KD625</translation>
    </message>
    <message>
        <source>Varidex 620 project/config files (*.cfg625;*.cfg620;*.kdg;*.cfg);;All files (*)</source>
        <translation>Pliki projektu/konfiguracji Varidex 620 (*.cfg625;*.cfg620;*.kdg;*.cfg);;Wszystkie pliki (*)</translation>
    </message>
    <message>
        <source>F/W ver. %1</source>
        <translation>Wersja F/W %1</translation>
    </message>
</context>
<context>
    <name>setStateClass</name>
    <message>
        <source>Ignore</source>
        <translation>Dowolny</translation>
    </message>
    <message>
        <source>When set</source>
        <translation>Ustawiony</translation>
    </message>
    <message>
        <source>When unset</source>
        <translation>Nieustawiony</translation>
    </message>
</context>
<context>
    <name>showDesc_class</name>
    <message>
        <source>Item</source>
        <translation>Element</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Opis</translation>
    </message>
</context>
<context>
    <name>timerEventSet</name>
    <message>
        <source>Form</source>
        <translation>Formularz</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Godzina</translation>
    </message>
    <message>
        <source>:</source>
        <translation>:</translation>
    </message>
    <message>
        <source>Any</source>
        <translation>Każdy</translation>
    </message>
    <message>
        <source>Day of week</source>
        <translation>Dzień tygodnia</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Dzień</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Miesiąc</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Rok</translation>
    </message>
</context>
<context>
    <name>xml_element_class</name>
    <message>
        <source>Preview: </source>
        <translation>Podgląd: </translation>
    </message>
</context>
</TS>
