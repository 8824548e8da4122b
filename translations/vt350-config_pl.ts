<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>ControllerChooser</name>
    <message>
        <source>Choose a controller</source>
        <translation>Wybierz sterownik</translation>
    </message>
    <message>
        <source>Controllers plugged in</source>
        <translation>Podłączone sterowniki</translation>
    </message>
    <message>
        <source>Work with this controller</source>
        <translation>Pracuj z tym sterownikiem</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Status line</source>
        <translation>Wiersz stanu</translation>
    </message>
    <message>
        <source>The parameter set kept in &quot;%1&quot; could not be read at start. Replace it with the present set?</source>
        <translation>Nie udało się odczytać przy starcie zestawu parametrów zapisanego w „%1”. Zastąpić go bieżącym zestawem?</translation>
    </message>
    <message>
        <source>Cancel keeps the file as it is.</source>
        <translation>Anuluj pozostawia plik bez zmian.</translation>
    </message>
    <message>
        <source>Nothing was sent: the parameter set holds values the editors cannot set.</source>
        <translation>Nic nie wysłano: zestaw parametrów zawiera wartości, których pola nie mogą ustawić.</translation>
    </message>
    <message>
        <source>Would you decide to store or save?</source>
        <translation>Wgrać zestaw do sterownika?</translation>
    </message>
    <message>
        <source>Another controller was plugged in while you were asked; nothing was sent.</source>
        <translation>W trakcie pytania podłączono inny sterownik; nic nie wysłano.</translation>
    </message>
    <message>
        <source>The controller&apos;s set changed while you were asked; nothing was sent.</source>
        <translation>W trakcie pytania zestaw sterownika się zmienił; nic nie wysłano.</translation>
    </message>
    <message>
        <source>Controller: %1</source>
        <translation>Sterownik: %1</translation>
    </message>
    <message>
        <source>The controller was reset to its factory settings since it was last read; the editors still show the set from before, and OK stores that set. GetConfig shows what it holds now.</source>
        <translation>Od ostatniego odczytu sterownik przywrócono do ustawień fabrycznych; pola wciąż pokazują poprzedni zestaw, a OK wgra ten zestaw do sterownika. „Odczytaj” pokaże, co zawiera teraz.</translation>
    </message>
    <message>
        <source>The set is the one last read from the controller.</source>
        <translation>Zestaw jest taki sam jak ostatnio odczytany ze sterownika.</translation>
    </message>
    <message>
        <source>Changes to the set last read from the controller:</source>
        <translation>Zmiany względem zestawu ostatnio odczytanego ze sterownika:</translation>
    </message>
    <message>
        <source>Warning: %1</source>
        <translation>Uwaga: %1</translation>
    </message>
    <message>
        <source>The window cannot show these values of the parameter set; their editors still show earlier settings, and Store/Save will not send the set as it is:</source>
        <translation>Okno nie może pokazać tych wartości zestawu parametrów; ich pola wciąż pokazują wcześniejsze ustawienia, a „Wgraj” nie wyśle zestawu w tej postaci:</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Otwórz</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Zapisz jako</translation>
    </message>
    <message>
        <source>The file already exists. Would you overwrite it?</source>
        <translation>Plik już istnieje. Zastąpić go?</translation>
    </message>
    <message>
        <source>Cruise Controller Programming User Interface Ver_1.0</source>
        <translation>Programowanie sterownika – interfejs użytkownika Ver_1.0</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Plik</translation>
    </message>
    <message>
        <source>Store/Save</source>
        <translation>Wgraj</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>Configurable Parameter</source>
        <translation>Parametry do ustawienia</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>Polecenia</translation>
    </message>
    <message>
        <source>Brake</source>
        <translation>Hamulec</translation>
    </message>
    <message>
        <source>REV</source>
        <translation>Tył</translation>
    </message>
    <message>
        <source>FWD</source>
        <translation>Przód</translation>
    </message>
    <message>
        <source>Motor Type</source>
        <translation>Typ silnika</translation>
    </message>
    <message>
        <source>PAS</source>
        <translation>PAS (wspomaganie pedałowania)</translation>
    </message>
    <message>
        <source>Motor Voltage</source>
        <translation>Napięcie silnika</translation>
    </message>
    <message>
        <source>Max Current</source>
        <translation>Prąd maks.</translation>
    </message>
    <message>
        <source>Regen Brake:</source>
        <translation>Rekuperacja:</translation>
    </message>
    <message>
        <source>Unimm</source>
        <translation>Opóź.</translation>
    </message>
    <message>
        <source>Reversion when motor&apos;s speed is &quot;zero&quot;</source>
        <translation>Zmiana kierunku, gdy prędkość silnika wynosi „zero”</translation>
    </message>
    <message>
        <source>Immed</source>
        <translation>Nat.</translation>
    </message>
    <message>
        <source>Reversion immediately</source>
        <translation>Natychmiastowa zmiana kierunku</translation>
    </message>
    <message>
        <source>Speed Scale:</source>
        <translation>Skala prędk.:</translation>
    </message>
    <message>
        <source>Reversion Speed Scale</source>
        <translation>Skala prędkości przy zmianie kierunku</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>Min</translation>
    </message>
    <message>
        <source>Max</source>
        <translation>Max</translation>
    </message>
    <message>
        <source>Mode:</source>
        <translation>Tryb:</translation>
    </message>
    <message>
        <source>Reversion Mode</source>
        <translation>Tryb zmiany kierunku</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Wyłącz</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Włącz</translation>
    </message>
    <message>
        <source>BLDC (brushless)</source>
        <translation>BLDC (bezszcz.)</translation>
    </message>
    <message>
        <source>DC (brushed)</source>
        <translation>DC (szczotk.)</translation>
    </message>
    <message>
        <source>Phase ..</source>
        <translation>Faza ..</translation>
    </message>
    <message>
        <source>Phase Angle:</source>
        <translation>Kąt fazowy:</translation>
    </message>
    <message>
        <source>Direction:</source>
        <translation>Kierunek:</translation>
    </message>
    <message>
        <source>High</source>
        <translation>3</translation>
    </message>
    <message>
        <source>Mid</source>
        <translation>2</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>1</translation>
    </message>
    <message>
        <source>Level:</source>
        <translation>Poz.:</translation>
    </message>
    <message>
        <source>Peak:</source>
        <translation>Szczyt:</translation>
    </message>
    <message>
        <source>Continuous:</source>
        <translation>Ciągły:</translation>
    </message>
    <message>
        <source>Factory Setting</source>
        <translation>Ust. fabr.</translation>
    </message>
    <message>
        <source>Factory_Setting</source>
        <translation>Ustawienia fabryczne</translation>
    </message>
    <message>
        <source>GetConfig</source>
        <translation>Odczytaj</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Rozłącz</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Połącz</translation>
    </message>
    <message>
        <source>File</source>
        <comment>full wording</comment>
        <translation>Plik</translation>
    </message>
    <message>
        <source>Store/Save</source>
        <comment>full wording</comment>
        <translation>Wgraj do sterownika</translation>
    </message>
    <message>
        <source>Exit</source>
        <comment>full wording</comment>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>Configurable Parameter</source>
        <comment>full wording</comment>
        <translation>Parametry do ustawienia</translation>
    </message>
    <message>
        <source>Command</source>
        <comment>full wording</comment>
        <translation>Polecenia</translation>
    </message>
    <message>
        <source>Save As</source>
        <comment>full wording</comment>
        <translation>Zapisz jako</translation>
    </message>
    <message>
        <source>Open</source>
        <comment>full wording</comment>
        <translation>Otwórz</translation>
    </message>
    <message>
        <source>Brake</source>
        <comment>full wording</comment>
        <translation>Hamulec</translation>
    </message>
    <message>
        <source>REV</source>
        <comment>full wording</comment>
        <translation>Do tyłu</translation>
    </message>
    <message>
        <source>FWD</source>
        <comment>full wording</comment>
        <translation>Do przodu</translation>
    </message>
    <message>
        <source>Motor Type</source>
        <comment>full wording</comment>
        <translation>Typ silnika</translation>
    </message>
    <message>
        <source>PAS</source>
        <comment>full wording</comment>
        <translation>PAS (wspomaganie pedałowania)</translation>
    </message>
    <message>
        <source>Motor Voltage</source>
        <comment>full wording</comment>
        <translation>Napięcie silnika</translation>
    </message>
    <message>
        <source>Max Current</source>
        <comment>full wording</comment>
        <translation>Prąd maksymalny</translation>
    </message>
    <message>
        <source>Regen Brake:</source>
        <comment>full wording</comment>
        <translation>Hamowanie rekuperacyjne:</translation>
    </message>
    <message>
        <source>Unimm</source>
        <comment>full wording</comment>
        <translation>Opóźniona</translation>
    </message>
    <message>
        <source>Immed</source>
        <comment>full wording</comment>
        <translation>Natychmiastowa</translation>
    </message>
    <message>
        <source>Speed Scale:</source>
        <comment>full wording</comment>
        <translation>Skala prędkości:</translation>
    </message>
    <message>
        <source>Min</source>
        <comment>full wording</comment>
        <translation>Min</translation>
    </message>
    <message>
        <source>Max</source>
        <comment>full wording</comment>
        <translation>Max</translation>
    </message>
    <message>
        <source>Mode:</source>
        <comment>full wording</comment>
        <translation>Tryb:</translation>
    </message>
    <message>
        <source>Disable</source>
        <comment>full wording</comment>
        <translation>Wyłącz</translation>
    </message>
    <message>
        <source>Enable</source>
        <comment>full wording</comment>
        <translation>Włącz</translation>
    </message>
    <message>
        <source>BLDC (brushless)</source>
        <comment>full wording</comment>
        <translation>BLDC (bezszczotkowy)</translation>
    </message>
    <message>
        <source>DC (brushed)</source>
        <comment>full wording</comment>
        <translation>DC (szczotkowy)</translation>
    </message>
    <message>
        <source>Phase ..</source>
        <comment>full wording</comment>
        <translation>Kąt fazowy</translation>
    </message>
    <message>
        <source>Direction:</source>
        <comment>full wording</comment>
        <translation>Kierunek:</translation>
    </message>
    <message>
        <source>High</source>
        <comment>full wording</comment>
        <translation>Poziom 3 (wysoki)</translation>
    </message>
    <message>
        <source>Mid</source>
        <comment>full wording</comment>
        <translation>Poziom 2 (średni)</translation>
    </message>
    <message>
        <source>Low</source>
        <comment>full wording</comment>
        <translation>Poziom 1 (niski)</translation>
    </message>
    <message>
        <source>Level:</source>
        <comment>full wording</comment>
        <translation>Poziom:</translation>
    </message>
    <message>
        <source>Peak:</source>
        <comment>full wording</comment>
        <translation>Prąd szczytowy:</translation>
    </message>
    <message>
        <source>Continuous:</source>
        <comment>full wording</comment>
        <translation>Prąd ciągły:</translation>
    </message>
    <message>
        <source>Factory Setting</source>
        <comment>full wording</comment>
        <translation>Ustawienia fabryczne</translation>
    </message>
    <message>
        <source>GetConfig</source>
        <comment>full wording</comment>
        <translation>Odczytaj</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <comment>full wording</comment>
        <translation>Rozłącz</translation>
    </message>
    <message>
        <source>Connect</source>
        <comment>full wording</comment>
        <translation>Połącz</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Komunikat</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Wszystkie pliki (*)</translation>
    </message>
    <message>
        <source>writes %1 into byte %2</source>
        <translation>zapisuje %1 w bajcie %2</translation>
    </message>
    <message>
        <source>writes %1 into the bits %2 of byte %3</source>
        <translation>zapisuje %1 w bitach %2 bajtu %3</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>od %1 do %2</translation>
    </message>
    <message>
        <source> (%1% to %2%)</source>
        <translation> (%1% do %2%)</translation>
    </message>
    <message>
        <source>the position</source>
        <translation>położenie</translation>
    </message>
    <message>
        <source>the number</source>
        <translation>liczbę</translation>
    </message>
    <message>
        <source>%1: %2; writes %3 into byte %4</source>
        <translation>%1: %2; zapisuje %3 w bajcie %4</translation>
    </message>
    <message>
        <source>, %1 as 0</source>
        <translation>, %1 jako 0</translation>
    </message>
    <message>
        <source>Reversion mode and speed scale</source>
        <translation>Tryb i skala prędkości przy zmianie kierunku</translation>
    </message>
    <message>
        <source>No controller is plugged into port %1.</source>
        <translation>Do portu %1 nie podłączono sterownika.</translation>
    </message>
    <message>
        <source>No controller is plugged into port %1. Controllers are plugged into %2; Ctrl+D chooses one.</source>
        <translation>Do portu %1 nie podłączono sterownika. Sterowniki są podłączone do %2; Ctrl+D pozwala wybrać jeden.</translation>
    </message>
    <message>
        <source>Several controllers are plugged in. This window works with the one in %1; choose another here, or later with Ctrl+D.</source>
        <extracomment>%1: a controller as &quot;port 1-1, serial 0001&quot;</extracomment>
        <translation>Podłączono kilka sterowników. To okno pracuje ze sterownikiem: %1; wybierz tu inny albo później klawiszami Ctrl+D.</translation>
    </message>
    <message>
        <source>The controller in %1 has serial %2: its arrivals are not recognised by name (serial %3 is), so the window finds it by looking after any device comes or goes.</source>
        <extracomment>%1: a bare USB port such as 1-1 (without the word &quot;port&quot;); %2, %3: serial numbers</extracomment>
        <translation>Sterownik w porcie %1 ma numer seryjny %2: jego podłączenie nie jest rozpoznawane po nazwie (tylko numer %3), więc okno znajduje go, sprawdzając przy każdym pojawieniu się lub zniknięciu urządzenia.</translation>
    </message>
    <message>
        <source>No controller is linked to this window: OK sends nothing.</source>
        <translation>Z tym oknem nie jest połączony żaden sterownik: OK niczego nie wyśle.</translation>
    </message>
    <message>
        <source>The set in the editors was read from the controller plugged into this port before.</source>
        <translation>Zestaw w polach odczytano ze sterownika, który był wcześniej podłączony do tego portu.</translation>
    </message>
    <message>
        <source>The set in the editors was read from another controller: %1.</source>
        <translation>Zestaw w polach odczytano z innego sterownika: %1.</translation>
    </message>
    <message>
        <source>The set in the editors comes from the file %1.</source>
        <translation>Zestaw w polach pochodzi z pliku %1.</translation>
    </message>
    <message>
        <source>Another program changed this controller&apos;s set since the window last read it; GetConfig shows what it holds now.</source>
        <translation>Inny program zmienił zestaw tego sterownika od ostatniego odczytu w oknie; „Odczytaj” pokaże, co zawiera teraz.</translation>
    </message>
    <message>
        <source>Choose the controller this window works with.</source>
        <translation>Wybierz sterownik, z którym pracuje to okno.</translation>
    </message>
    <message>
        <source>%1 (this window&apos;s)</source>
        <translation>%1 (tego okna)</translation>
    </message>
    <message>
        <source>No controller is plugged in.</source>
        <translation>Nie podłączono żadnego sterownika.</translation>
    </message>
    <message>
        <source>reset %1</source>
        <translation>zresetowany %1</translation>
    </message>
    <message>
        <source>stored %1: %2</source>
        <translation>wgrany %1: %2</translation>
    </message>
    <message>
        <source>read %1: %2</source>
        <translation>odczytany %1: %2</translation>
    </message>
    <message>
        <source>%1, unplugged</source>
        <translation>%1, odłączony</translation>
    </message>
    <message>
        <source>no controller</source>
        <translation>brak sterownika</translation>
    </message>
    <message>
        <source>Choose controller…</source>
        <translation>Wybierz sterownik…</translation>
    </message>
    <message>
        <source>REV</source>
        <comment>frame: reverse driving</comment>
        <translation>Jazda wstecz</translation>
    </message>
    <message>
        <source>FWD</source>
        <comment>frame: forward driving</comment>
        <translation>Jazda do przodu</translation>
    </message>
    <message>
        <source> [demo]</source>
        <translation> [demo]</translation>
    </message>
    <message>
        <source>%1: %2; %3</source>
        <translation>%1: %2; %3</translation>
    </message>
    <message>
        <source>QKFile(*.qkf)</source>
        <translation>Plik parametrów (*.qkf)</translation>
    </message>
    <message>
        <source>The set in the editors comes from the history, %1.</source>
        <translation>Zestaw w polach pochodzi z historii, %1.</translation>
    </message>
    <message>
        <source>No history is kept in this session.</source>
        <translation>W tej sesji historia nie jest prowadzona.</translation>
    </message>
    <message>
        <source>From the history: %1 %2, port %3</source>
        <translation>Z historii: %1 %2, port %3</translation>
    </message>
    <message>
        <source>History…</source>
        <translation>Historia…</translation>
    </message>
    <message>
        <source>The set is the one the history last kept of this controller (%1).</source>
        <translation>Zestaw jest taki sam jak ostatnio zachowany w historii dla tego sterownika (%1).</translation>
    </message>
    <message>
        <source>Changes to the set the history last kept of this controller (%1):</source>
        <translation>Zmiany względem zestawu ostatnio zachowanego w historii dla tego sterownika (%1):</translation>
    </message>
    <message>
        <source>A click here, or Ctrl+D, chooses the controller this window works with</source>
        <translation>Kliknięcie tutaj lub Ctrl+D wybiera sterownik, z którym pracuje to okno</translation>
    </message>
    <message>
        <source>%1 entries of the history could not be kept: %2</source>
        <translation>Nie udało się odnotować %1 wpisów historii: %2</translation>
    </message>
    <message>
        <source>The history could not keep what was just read, stored or reset (%1). The controller has it as the status line says; only the history&apos;s record of it is missing.</source>
        <translation>Historia nie mogła odnotować tego, co właśnie odczytano, wgrano lub zresetowano (%1). Sterownik ma to, co mówi pasek stanu; brakuje tylko wpisu w historii.</translation>
    </message>
    <message>
        <source>The editors hold changes that were not stored. Read the controller&apos;s set and drop them?</source>
        <translation>Pola zawierają zmiany, których nie wgrano. Odczytać zestaw sterownika i je porzucić?</translation>
    </message>
    <message>
        <source>Cancel keeps the changes in the editors.</source>
        <translation>Anuluj zachowuje zmiany w polach.</translation>
    </message>
    <message>
        <source>Nothing has been read from this controller since it was plugged in: what it holds is not known. GetConfig shows it.</source>
        <translation>Od podłączenia nic nie odczytano z tego sterownika: nie wiadomo, co zawiera. „Odczytaj” to pokaże.</translation>
    </message>
    <message>
        <source>Another program stored a set into this controller since the window last read it; the changes below are against the set it holds now.</source>
        <translation>Inny program wgrał zestaw do tego sterownika od ostatniego odczytu przez okno; poniższe zmiany dotyczą zestawu, który zawiera teraz.</translation>
    </message>
    <message>
        <source>history entries waiting: %1</source>
        <translation>wpisy historii czekające na zapis: %1</translation>
    </message>
    <message>
        <source>Unit: %1</source>
        <extracomment>%1: the bike, frame or order number the controller belongs to</extracomment>
        <translation>Jednostka: %1</translation>
    </message>
    <message>
        <source>Unit…</source>
        <translation>Jednostka…</translation>
    </message>
    <message>
        <source>unit %1</source>
        <extracomment>%1: the bike, frame or order number the controller belongs to</extracomment>
        <translation>jednostka %1</translation>
    </message>
    <message>
        <source>Plug in the controller first: a unit belongs to the controller this window works with.</source>
        <translation>Najpierw podłącz sterownik: jednostka należy do sterownika, z którym pracuje to okno.</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Jednostka</translation>
    </message>
    <message>
        <source>The unit of %1 (bike, frame or order number), kept with every entry of it; scan or type it, or leave it empty:</source>
        <translation>Jednostka %1 (rower, rama lub numer zamówienia), zapisywana z każdym jego wpisem; zeskanuj ją lub wpisz albo zostaw puste:</translation>
    </message>
    <message>
        <source>A unit is text of at most 64 bytes without control characters; the unit stays as it was.</source>
        <translation>Jednostka to tekst o długości najwyżej 64 bajtów bez znaków sterujących; jednostka pozostaje bez zmian.</translation>
    </message>
</context>
<context>
    <name>HistoryView</name>
    <message>
        <source>read</source>
        <comment>event</comment>
        <translation>odczytany</translation>
    </message>
    <message>
        <source>stored</source>
        <comment>event</comment>
        <translation>wgrany</translation>
    </message>
    <message>
        <source>reset</source>
        <comment>event</comment>
        <translation>zresetowany</translation>
    </message>
    <message>
        <source>entry @%1: %2 %3, %4</source>
        <translation>wpis @%1: %2 %3, %4</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historia</translation>
    </message>
    <message>
        <source>&amp;All controllers</source>
        <translation>&amp;Wszystkie sterowniki</translation>
    </message>
    <message>
        <source>History entries</source>
        <translation>Wpisy historii</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Czas</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Zdarzenie</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Program</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>Nr seryjny</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>Zmiany</translation>
    </message>
    <message>
        <source>Comparison</source>
        <translation>Porównanie</translation>
    </message>
    <message>
        <source>Select an entry (Ctrl+click or Shift+arrow for two) and compare it.</source>
        <translation>Wybierz wpis (Ctrl+klik lub Shift+strzałka dla dwóch) i porównaj go.</translation>
    </message>
    <message>
        <source>With the &amp;editors</source>
        <translation>Z &amp;polami</translation>
    </message>
    <message>
        <source>With the &amp;last read</source>
        <translation>Z &amp;ostatnim odczytem</translation>
    </message>
    <message>
        <source>With the &amp;port&apos;s set before</source>
        <translation>Z poprzednim zestawem po&amp;rtu</translation>
    </message>
    <message>
        <source>The t&amp;wo selected</source>
        <translation>&amp;Dwa wybrane</translation>
    </message>
    <message>
        <source>Compare:</source>
        <translation>Porównaj:</translation>
    </message>
    <message>
        <source>&amp;Take into the editors</source>
        <translation>Prze&amp;nieś do pól</translation>
    </message>
    <message>
        <source>factory settings restored; the set they gave was not read</source>
        <translation>przywrócono ustawienia fabryczne; zestawu po nich nie odczytano</translation>
    </message>
    <message>
        <source>plugged in anew: the first set since</source>
        <translation>podłączony ponownie: pierwszy zestaw od tego czasu</translation>
    </message>
    <message>
        <source>the first set kept of this controller</source>
        <translation>pierwszy zachowany zestaw tego sterownika</translation>
    </message>
    <message>
        <source>no changes</source>
        <translation>brak zmian</translation>
    </message>
    <message>
        <source>Nothing has been kept yet.</source>
        <translation>Nic jeszcze nie zachowano.</translation>
    </message>
    <message>
        <source>The history cannot be kept: %1</source>
        <translation>Nie można prowadzić historii: %1</translation>
    </message>
    <message>
        <source>From %1
to %2:</source>
        <translation>Zmiany od: %1
do: %2:</translation>
    </message>
    <message>
        <source>No differences.</source>
        <translation>Brak różnic.</translation>
    </message>
    <message>
        <source>the editors</source>
        <translation>pola</translation>
    </message>
    <message>
        <source>Nothing has been read from the window&apos;s controller since it was plugged in.</source>
        <translation>Od podłączenia nic nie odczytano ze sterownika tego okna.</translation>
    </message>
    <message>
        <source>the set last read from the window&apos;s controller</source>
        <translation>zestaw ostatnio odczytany ze sterownika tego okna</translation>
    </message>
    <message>
        <source>Nothing was kept of this port before this entry.</source>
        <translation>Przed tym wpisem nic nie zachowano z tego portu.</translation>
    </message>
    <message>
        <source>Every set read, stored or reset, of all controllers.</source>
        <translation>Każdy odczytany, wgrany lub zresetowany zestaw wszystkich sterowników.</translation>
    </message>
    <message>
        <source>Every set read, stored or reset, of %1.</source>
        <extracomment>%1: a controller as &quot;port 1-1, serial 0001&quot;</extracomment>
        <translation>Każdy odczytany, wgrany lub zresetowany zestaw sterownika: %1.</translation>
    </message>
    <message>
        <source>Only the newest %1 of %2 entries are listed; vt350ctl history lists them all.</source>
        <translation>Pokazano tylko %1 najnowszych z %2 wpisów; vt350ctl history pokazuje wszystkie.</translation>
    </message>
    <message>
        <source>The history could not be read whole (%1); the list is filled in as soon as it can be.</source>
        <translation>Nie udało się odczytać całej historii (%1); lista zostanie uzupełniona, gdy tylko będzie to możliwe.</translation>
    </message>
    <message>
        <source>Oldest first.</source>
        <translation>Od najstarszego.</translation>
    </message>
    <message>
        <source>Newest first.</source>
        <translation>Od najnowszego.</translation>
    </message>
    <message>
        <source>Sorted by %1; newest first within each.</source>
        <translation>Posortowano według: %1; w każdej grupie od najnowszego.</translation>
    </message>
    <message>
        <source>The history folder is on a network file system (%1): programs on other machines that use it can damage it. Keep it on a local disk.</source>
        <translation>Folder historii znajduje się w sieciowym systemie plików (%1): programy na innych komputerach, które z niego korzystają, mogą go uszkodzić. Trzymaj go na dysku lokalnym.</translation>
    </message>
    <message>
        <source>&amp;Unit %1, every bench and controller</source>
        <extracomment>%1: the bike, frame or order number the window&apos;s controller belongs to</extracomment>
        <translation>&amp;Jednostka %1, wszystkie stanowiska i sterowniki</translation>
    </message>
    <message>
        <source>, bench %1</source>
        <extracomment>%1: the name of the bench (the workshop&apos;s computer) that kept the entry</extracomment>
        <translation>, stanowisko %1</translation>
    </message>
    <message>
        <source>Bench</source>
        <translation>Stanowisko</translation>
    </message>
    <message>
        <source>Every set read, stored or reset, of unit %1, from every bench that sends to the shared record; each against the unit&apos;s set before it.</source>
        <extracomment>%1: the bike, frame or order number</extracomment>
        <translation>Każdy odczytany, wgrany lub zresetowany zestaw jednostki %1, ze wszystkich stanowisk wysyłających do wspólnego rejestru; każdy porównany z poprzednim zestawem jednostki.</translation>
    </message>
    <message>
        <source>Every set read, stored or reset, of unit %1 on this bench.</source>
        <translation>Każdy odczytany, wgrany lub zresetowany zestaw jednostki %1 na tym stanowisku.</translation>
    </message>
    <message>
        <source>The shared record cannot be read (%1).</source>
        <translation>Nie można odczytać wspólnego rejestru (%1).</translation>
    </message>
    <message>
        <source>Reading the other benches&apos; from the shared record…</source>
        <translation>Odczytywanie wpisów innych stanowisk ze wspólnego rejestru…</translation>
    </message>
    <message>
        <source>the first set kept of this unit</source>
        <translation>pierwszy zachowany zestaw tej jednostki</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>The file &quot;%1&quot; does not exist.</source>
        <translation>Plik „%1” nie istnieje.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; holds %2 bytes, but a parameter file holds 15; nothing was loaded.</source>
        <translation>Plik „%1” zawiera bajtów: %2, a plik parametrów zawiera 15; nic nie wczytano.</translation>
    </message>
    <message>
        <source>Could not open the file &quot;%1&quot;: %2.</source>
        <translation>Nie można otworzyć pliku „%1”: %2.</translation>
    </message>
    <message>
        <source>Could not read the file &quot;%1&quot;: %2.</source>
        <translation>Nie można odczytać pliku „%1”: %2.</translation>
    </message>
    <message>
        <source>Could not write the file &quot;%1&quot;: %2.</source>
        <translation>Nie można zapisać pliku „%1”: %2.</translation>
    </message>
    <message>
        <source>It may now hold parts of the old and the new set.</source>
        <translation>Może teraz zawierać części starego i nowego zestawu.</translation>
    </message>
    <message>
        <source>Peak current %1 is below the continuous current %2</source>
        <translation>prąd szczytowy %1 jest niższy niż prąd ciągły %2</translation>
    </message>
    <message>
        <source>%1: %2 is outside %3 to %4</source>
        <translation>%1: %2 jest poza zakresem od %3 do %4</translation>
    </message>
    <message>
        <source> or </source>
        <translation> lub </translation>
    </message>
    <message>
        <source>%1: %2; the editor offers %3</source>
        <translation>%1: %2; pole oferuje %3</translation>
    </message>
    <message>
        <source>Could not attach to PnP node</source>
        <translation>Nie można dołączyć do węzła PnP</translation>
    </message>
    <message>
        <source>Could not get the name of this HID device</source>
        <translation>Nie można pobrać nazwy tego urządzenia HID</translation>
    </message>
    <message>
        <source>Could not open HID device</source>
        <translation>Nie można otworzyć urządzenia HID</translation>
    </message>
    <message>
        <source>Errorcode = [%1]</source>
        <translation>Kod błędu = [%1]</translation>
    </message>
    <message>
        <source>Send Command Error</source>
        <translation>Błąd wysyłania polecenia</translation>
    </message>
    <message>
        <source>Send Data Error</source>
        <translation>Błąd wysyłania danych</translation>
    </message>
    <message>
        <source>RegisterDeviceNotification failed</source>
        <translation>RegisterDeviceNotification nie powiodło się</translation>
    </message>
    <message>
        <source>Please enter valid numerical data</source>
        <translation>Wprowadź prawidłowe liczby</translation>
    </message>
    <message>
        <source>Please enter valid  numerical data</source>
        <translation>Wprowadź prawidłowe liczby</translation>
    </message>
    <message>
        <source>serial %1</source>
        <translation>numer seryjny %1</translation>
    </message>
    <message>
        <source>port %1</source>
        <translation>port %1</translation>
    </message>
</context>
<context>
    <name>Parameters</name>
    <message>
        <source>BLDC (brushless)</source>
        <translation>BLDC (bezszczotkowy)</translation>
    </message>
    <message>
        <source>DC (brushed)</source>
        <translation>DC (szczotkowy)</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>1 (niski)</translation>
    </message>
    <message>
        <source>Mid</source>
        <translation>2 (średni)</translation>
    </message>
    <message>
        <source>High</source>
        <translation>3 (wysoki)</translation>
    </message>
    <message>
        <source>REV</source>
        <translation>Wstecz</translation>
    </message>
    <message>
        <source>FWD</source>
        <translation>Do przodu</translation>
    </message>
    <message>
        <source>disabled</source>
        <translation>wyłączona</translation>
    </message>
    <message>
        <source>enabled</source>
        <translation>włączona</translation>
    </message>
    <message>
        <source>Unimm (at zero speed)</source>
        <translation>Opóźniona (przy zerowej prędkości)</translation>
    </message>
    <message>
        <source>Immed (immediately)</source>
        <translation>Natychmiastowa</translation>
    </message>
    <message>
        <source>Regenerative brake</source>
        <translation>Hamowanie rekuperacyjne</translation>
    </message>
    <message>
        <source>Motor flag bits 1-6</source>
        <translation>Bity opcji silnika 1–6</translation>
    </message>
    <message>
        <source>Reserved bytes</source>
        <translation>Bajty zarezerwowane</translation>
    </message>
    <message>
        <source>Continuous current</source>
        <translation>Prąd ciągły</translation>
    </message>
    <message>
        <source>Peak current</source>
        <translation>Prąd szczytowy</translation>
    </message>
    <message>
        <source>Motor voltage</source>
        <translation>Napięcie silnika</translation>
    </message>
    <message>
        <source>Motor type</source>
        <translation>Typ silnika</translation>
    </message>
    <message>
        <source>Phase angle</source>
        <translation>Kąt fazowy</translation>
    </message>
    <message>
        <source>PAS level</source>
        <translation>Poziom PAS</translation>
    </message>
    <message>
        <source>PAS direction</source>
        <translation>Kierunek PAS</translation>
    </message>
    <message>
        <source>Forward speed scale</source>
        <translation>Skala prędkości do przodu</translation>
    </message>
    <message>
        <source>Reversion</source>
        <translation>Zmiana kierunku</translation>
    </message>
    <message>
        <source>Reversion mode</source>
        <translation>Tryb zmiany kierunku</translation>
    </message>
    <message>
        <source>Reversion speed scale</source>
        <translation>Skala prędkości przy zmianie kierunku</translation>
    </message>
    <message>
        <source>unknown (code %1)</source>
        <translation>nieznany (kod %1)</translation>
    </message>
</context>
<context>
    <name>Status</name>
    <message>
        <source>GetConfig Success</source>
        <translation>Odczyt udany</translation>
    </message>
    <message>
        <source>Connect Success</source>
        <translation>Połączenie udane</translation>
    </message>
    <message>
        <source>Disconnect Success</source>
        <translation>Rozłączenie udane</translation>
    </message>
    <message>
        <source>Restore Success</source>
        <translation>Przywrócono ustawienia fabryczne</translation>
    </message>
    <message>
        <source>Load Success</source>
        <translation>Wgrano</translation>
    </message>
    <message>
        <source>Load Error</source>
        <translation>Błąd wgrywania</translation>
    </message>
    <message>
        <source>GetConfig Error</source>
        <translation>Błąd odczytu</translation>
    </message>
    <message>
        <source>No answer</source>
        <translation>Brak odpowiedzi</translation>
    </message>
    <message>
        <source>No controller</source>
        <translation>Brak sterownika</translation>
    </message>
    <message>
        <source>Not sent</source>
        <translation>Nie wysłano</translation>
    </message>
    <message>
        <source>Read by another program</source>
        <translation>Odczytany przez inny program</translation>
    </message>
    <message>
        <source>Stored by another program</source>
        <translation>Wgrany przez inny program</translation>
    </message>
    <message>
        <source>Reset by another program</source>
        <translation>Zresetowany przez inny program</translation>
    </message>
    <message>
        <source>Unplugged</source>
        <translation>Odłączony</translation>
    </message>
    <message>
        <source>Stored by another program; your changes stay in the editors</source>
        <translation>Wgrany przez inny program; zmiany zostają w polach</translation>
    </message>
    <message>
        <source>Read by another program; your changes stay in the editors</source>
        <translation>Odczytany przez inny program; zmiany zostają w polach</translation>
    </message>
    <message>
        <source>The editors show the set of %1</source>
        <extracomment>%1: a controller as &quot;port 1-1, serial 0001&quot;</extracomment>
        <translation>Pola pokazują zestaw sterownika: %1</translation>
    </message>
    <message>
        <source>Unplugged (Ctrl+D: another controller)</source>
        <translation>Odłączony (Ctrl+D: inny sterownik)</translation>
    </message>
    <message>
        <source>Another unit (serial %1): nothing read yet</source>
        <translation>Inny egzemplarz (numer seryjny %1): jeszcze nic nie odczytano</translation>
    </message>
    <message>
        <source>Plugged in: nothing read yet</source>
        <translation>Podłączony: jeszcze nic nie odczytano</translation>
    </message>
    <message>
        <source>The editors keep the set from the file; GetConfig shows what %1 holds</source>
        <extracomment>%1: a controller as &quot;port 1-1, serial 0001&quot;</extracomment>
        <translation>Pola zachowują zestaw z pliku; „Odczytaj” pokaże zawartość sterownika: %1</translation>
    </message>
    <message>
        <source>The editors keep the set from the history; GetConfig shows what %1 holds</source>
        <extracomment>%1: a controller as &quot;port 1-1, serial 0001&quot;</extracomment>
        <translation>Pola zachowują zestaw z historii; „Odczytaj” pokaże zawartość sterownika: %1</translation>
    </message>
    <message>
        <source>Your changes for %1, not stored yet, are back in the editors</source>
        <extracomment>%1: a controller as &quot;port 1-1, serial 0001&quot;</extracomment>
        <translation>Niewgrane zmiany (sterownik: %1) wróciły do pól</translation>
    </message>
    <message>
        <source>Reading the set of %1...</source>
        <extracomment>%1: a controller as &quot;port 1-1, serial 0001&quot;</extracomment>
        <translation>Odczyt zestawu sterownika: %1…</translation>
    </message>
</context>
</TS>
