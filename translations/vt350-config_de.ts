<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>ControllerChooser</name>
    <message>
        <source>Choose a controller</source>
        <translation>Regler wählen</translation>
    </message>
    <message>
        <source>Controllers plugged in</source>
        <translation>Angeschlossene Regler</translation>
    </message>
    <message>
        <source>Work with this controller</source>
        <translation>Mit diesem Regler arbeiten</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Status line</source>
        <translation>Statuszeile</translation>
    </message>
    <message>
        <source>The parameter set kept in &quot;%1&quot; could not be read at start. Replace it with the present set?</source>
        <translation>Der in „%1“ gespeicherte Parametersatz konnte beim Start nicht gelesen werden. Durch den aktuellen Satz ersetzen?</translation>
    </message>
    <message>
        <source>Cancel keeps the file as it is.</source>
        <translation>Abbrechen lässt die Datei unverändert.</translation>
    </message>
    <message>
        <source>Nothing was sent: the parameter set holds values the editors cannot set.</source>
        <translation>Nichts wurde gesendet: Der Parametersatz enthält Werte, die die Eingabefelder nicht einstellen können.</translation>
    </message>
    <message>
        <source>Would you decide to store or save?</source>
        <translation>Den Satz in den Regler schreiben?</translation>
    </message>
    <message>
        <source>Another controller was plugged in while you were asked; nothing was sent.</source>
        <translation>Während der Rückfrage wurde ein anderer Regler angeschlossen; nichts wurde gesendet.</translation>
    </message>
    <message>
        <source>The controller&apos;s set changed while you were asked; nothing was sent.</source>
        <translation>Der Satz des Reglers hat sich während der Rückfrage geändert; nichts wurde gesendet.</translation>
    </message>
    <message>
        <source>Controller: %1</source>
        <translation>Regler: %1</translation>
    </message>
    <message>
        <source>The controller was reset to its factory settings since it was last read; the editors still show the set from before, and OK stores that set. GetConfig shows what it holds now.</source>
        <translation>Der Regler wurde seit dem letzten Auslesen auf die Werkseinstellung zurückgesetzt; die Eingabefelder zeigen noch den Satz von vorher, und OK schreibt diesen Satz in den Regler. „Auslesen“ zeigt, was er jetzt enthält.</translation>
    </message>
    <message>
        <source>The set is the one last read from the controller.</source>
        <translation>Der Satz ist der zuletzt aus dem Regler gelesene.</translation>
    </message>
    <message>
        <source>Changes to the set last read from the controller:</source>
        <translation>Änderungen gegenüber dem zuletzt aus dem Regler gelesenen Satz:</translation>
    </message>
    <message>
        <source>Warning: %1</source>
        <translation>Warnung: %1</translation>
    </message>
    <message>
        <source>The window cannot show these values of the parameter set; their editors still show earlier settings, and Store/Save will not send the set as it is:</source>
        <translation>Das Fenster kann diese Werte des Parametersatzes nicht anzeigen; ihre Eingabefelder zeigen noch frühere Einstellungen, und „Schreiben“ sendet den Satz so nicht:</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Speich. unter</translation>
    </message>
    <message>
        <source>The file already exists. Would you overwrite it?</source>
        <translation>Die Datei existiert bereits. Soll sie überschrieben werden?</translation>
    </message>
    <message>
        <source>Cruise Controller Programming User Interface Ver_1.0</source>
        <translation>Regler-Programmierung – Benutzeroberfläche Ver_1.0</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Store/Save</source>
        <translation>Schreiben</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Configurable Parameter</source>
        <translation>Einstellbare Parameter</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>Befehle</translation>
    </message>
    <message>
        <source>Brake</source>
        <translation>Bremse</translation>
    </message>
    <message>
        <source>REV</source>
        <translation>Rück</translation>
    </message>
    <message>
        <source>FWD</source>
        <translation>Vor</translation>
    </message>
    <message>
        <source>Motor Type</source>
        <translation>Motortyp</translation>
    </message>
    <message>
        <source>PAS</source>
        <translation>PAS (Tretunterstützung)</translation>
    </message>
    <message>
        <source>Motor Voltage</source>
        <translation>Motorspannung</translation>
    </message>
    <message>
        <source>Max Current</source>
        <translation>Max. Strom</translation>
    </message>
    <message>
        <source>Regen Brake:</source>
        <translation>Rekuperation:</translation>
    </message>
    <message>
        <source>Unimm</source>
        <translation>Stillst.</translation>
    </message>
    <message>
        <source>Reversion when motor&apos;s speed is &quot;zero&quot;</source>
        <translation>Umkehr bei Motordrehzahl „null“</translation>
    </message>
    <message>
        <source>Immed</source>
        <translation>Sofort</translation>
    </message>
    <message>
        <source>Reversion immediately</source>
        <translation>Sofortige Umkehr</translation>
    </message>
    <message>
        <source>Speed Scale:</source>
        <translation>Geschw.:</translation>
    </message>
    <message>
        <source>Reversion Speed Scale</source>
        <translation>Geschwindigkeitsbegrenzung der Umkehr</translation>
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
        <translation>Modus:</translation>
    </message>
    <message>
        <source>Reversion Mode</source>
        <translation>Umkehrmodus</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Ein</translation>
    </message>
    <message>
        <source>BLDC (brushless)</source>
        <translation>BLDC (bürstenlos)</translation>
    </message>
    <message>
        <source>DC (brushed)</source>
        <translation>DC (Bürsten)</translation>
    </message>
    <message>
        <source>Phase ..</source>
        <translation>Phase ..</translation>
    </message>
    <message>
        <source>Phase Angle:</source>
        <translation>Phasenwinkel:</translation>
    </message>
    <message>
        <source>Direction:</source>
        <translation>Richtung:</translation>
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
        <translation>Stufe:</translation>
    </message>
    <message>
        <source>Peak:</source>
        <translation>Spitze:</translation>
    </message>
    <message>
        <source>Continuous:</source>
        <translation>Dauer:</translation>
    </message>
    <message>
        <source>Factory Setting</source>
        <translation>Werkseinst.</translation>
    </message>
    <message>
        <source>Factory_Setting</source>
        <translation>Werkseinstellung</translation>
    </message>
    <message>
        <source>GetConfig</source>
        <translation>Auslesen</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Trennen</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Verbinden</translation>
    </message>
    <message>
        <source>File</source>
        <comment>full wording</comment>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Store/Save</source>
        <comment>full wording</comment>
        <translation>In den Regler schreiben</translation>
    </message>
    <message>
        <source>Exit</source>
        <comment>full wording</comment>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Configurable Parameter</source>
        <comment>full wording</comment>
        <translation>Einstellbare Parameter</translation>
    </message>
    <message>
        <source>Command</source>
        <comment>full wording</comment>
        <translation>Befehle</translation>
    </message>
    <message>
        <source>Save As</source>
        <comment>full wording</comment>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>Open</source>
        <comment>full wording</comment>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Brake</source>
        <comment>full wording</comment>
        <translation>Bremse</translation>
    </message>
    <message>
        <source>REV</source>
        <comment>full wording</comment>
        <translation>Rückwärts</translation>
    </message>
    <message>
        <source>FWD</source>
        <comment>full wording</comment>
        <translation>Vorwärts</translation>
    </message>
    <message>
        <source>Motor Type</source>
        <comment>full wording</comment>
        <translation>Motortyp</translation>
    </message>
    <message>
        <source>PAS</source>
        <comment>full wording</comment>
        <translation>PAS (Tretunterstützung)</translation>
    </message>
    <message>
        <source>Motor Voltage</source>
        <comment>full wording</comment>
        <translation>Motorspannung</translation>
    </message>
    <message>
        <source>Max Current</source>
        <comment>full wording</comment>
        <translation>Maximaler Strom</translation>
    </message>
    <message>
        <source>Regen Brake:</source>
        <comment>full wording</comment>
        <translation>Rekuperationsbremse:</translation>
    </message>
    <message>
        <source>Unimm</source>
        <comment>full wording</comment>
        <translation>Im Stillstand</translation>
    </message>
    <message>
        <source>Immed</source>
        <comment>full wording</comment>
        <translation>Sofort</translation>
    </message>
    <message>
        <source>Speed Scale:</source>
        <comment>full wording</comment>
        <translation>Geschwindigkeitsbegrenzung:</translation>
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
        <translation>Modus:</translation>
    </message>
    <message>
        <source>Disable</source>
        <comment>full wording</comment>
        <translation>Ausschalten</translation>
    </message>
    <message>
        <source>Enable</source>
        <comment>full wording</comment>
        <translation>Einschalten</translation>
    </message>
    <message>
        <source>BLDC (brushless)</source>
        <comment>full wording</comment>
        <translation>BLDC (bürstenlos)</translation>
    </message>
    <message>
        <source>DC (brushed)</source>
        <comment>full wording</comment>
        <translation>DC (mit Bürsten)</translation>
    </message>
    <message>
        <source>Phase ..</source>
        <comment>full wording</comment>
        <translation>Phasenwinkel</translation>
    </message>
    <message>
        <source>Direction:</source>
        <comment>full wording</comment>
        <translation>Richtung:</translation>
    </message>
    <message>
        <source>High</source>
        <comment>full wording</comment>
        <translation>Stufe 3 (hoch)</translation>
    </message>
    <message>
        <source>Mid</source>
        <comment>full wording</comment>
        <translation>Stufe 2 (mittel)</translation>
    </message>
    <message>
        <source>Low</source>
        <comment>full wording</comment>
        <translation>Stufe 1 (niedrig)</translation>
    </message>
    <message>
        <source>Level:</source>
        <comment>full wording</comment>
        <translation>Stufe:</translation>
    </message>
    <message>
        <source>Peak:</source>
        <comment>full wording</comment>
        <translation>Spitzenstrom:</translation>
    </message>
    <message>
        <source>Continuous:</source>
        <comment>full wording</comment>
        <translation>Dauerstrom:</translation>
    </message>
    <message>
        <source>Factory Setting</source>
        <comment>full wording</comment>
        <translation>Werkseinstellung</translation>
    </message>
    <message>
        <source>GetConfig</source>
        <comment>full wording</comment>
        <translation>Auslesen</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <comment>full wording</comment>
        <translation>Trennen</translation>
    </message>
    <message>
        <source>Connect</source>
        <comment>full wording</comment>
        <translation>Verbinden</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Meldung</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>writes %1 into byte %2</source>
        <translation>schreibt %1 in Byte %2</translation>
    </message>
    <message>
        <source>writes %1 into the bits %2 of byte %3</source>
        <translation>schreibt %1 in die Bits %2 von Byte %3</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <source> (%1% to %2%)</source>
        <translation> (%1 % bis %2 %)</translation>
    </message>
    <message>
        <source>the position</source>
        <translation>die Stellung</translation>
    </message>
    <message>
        <source>the number</source>
        <translation>die Zahl</translation>
    </message>
    <message>
        <source>%1: %2; writes %3 into byte %4</source>
        <translation>%1: %2; schreibt %3 in Byte %4</translation>
    </message>
    <message>
        <source>, %1 as 0</source>
        <translation>, %1 als 0</translation>
    </message>
    <message>
        <source>Reversion mode and speed scale</source>
        <translation>Umkehrmodus und Geschwindigkeitsbegrenzung</translation>
    </message>
    <message>
        <source>No controller is plugged into port %1.</source>
        <translation>An Port %1 ist kein Regler angeschlossen.</translation>
    </message>
    <message>
        <source>No controller is plugged into port %1. Controllers are plugged into %2; Ctrl+D chooses one.</source>
        <translation>An Port %1 ist kein Regler angeschlossen. Regler sind an %2 angeschlossen; Strg+D wählt einen aus.</translation>
    </message>
    <message>
        <source>Several controllers are plugged in. This window works with the one in %1; choose another here, or later with Ctrl+D.</source>
        <extracomment>%1: a controller as &quot;port 1-1, serial 0001&quot;</extracomment>
        <translation>Mehrere Regler sind angeschlossen. Dieses Fenster arbeitet mit dem an %1; wählen Sie hier einen anderen oder später mit Strg+D.</translation>
    </message>
    <message>
        <source>The controller in %1 has serial %2: its arrivals are not recognised by name (serial %3 is), so the window finds it by looking after any device comes or goes.</source>
        <extracomment>%1: a bare USB port such as 1-1 (without the word &quot;port&quot;); %2, %3: serial numbers</extracomment>
        <translation>Der Regler an Port %1 hat die Seriennummer %2: Sein Anschließen wird nicht am Namen erkannt (nur Seriennummer %3), daher findet ihn das Fenster, indem es nachsieht, sobald irgendein Gerät kommt oder geht.</translation>
    </message>
    <message>
        <source>No controller is linked to this window: OK sends nothing.</source>
        <translation>Mit diesem Fenster ist kein Regler verbunden: OK sendet nichts.</translation>
    </message>
    <message>
        <source>The set in the editors was read from the controller plugged into this port before.</source>
        <translation>Der Satz in den Eingabefeldern wurde aus dem Regler ausgelesen, der vorher an diesem Port angeschlossen war.</translation>
    </message>
    <message>
        <source>The set in the editors was read from another controller: %1.</source>
        <translation>Der Satz in den Eingabefeldern wurde aus einem anderen Regler ausgelesen: %1.</translation>
    </message>
    <message>
        <source>The set in the editors comes from the file %1.</source>
        <translation>Der Satz in den Eingabefeldern stammt aus der Datei %1.</translation>
    </message>
    <message>
        <source>Another program changed this controller&apos;s set since the window last read it; GetConfig shows what it holds now.</source>
        <translation>Ein anderes Programm hat den Satz dieses Reglers seit dem letzten Auslesen durch das Fenster geändert; „Auslesen“ zeigt, was er jetzt enthält.</translation>
    </message>
    <message>
        <source>Choose the controller this window works with.</source>
        <translation>Wählen Sie den Regler, mit dem dieses Fenster arbeitet.</translation>
    </message>
    <message>
        <source>%1 (this window&apos;s)</source>
        <translation>%1 (in diesem Fenster)</translation>
    </message>
    <message>
        <source>No controller is plugged in.</source>
        <translation>Es ist kein Regler angeschlossen.</translation>
    </message>
    <message>
        <source>reset %1</source>
        <translation>zurückgesetzt am %1</translation>
    </message>
    <message>
        <source>stored %1: %2</source>
        <translation>geschrieben am %1: %2</translation>
    </message>
    <message>
        <source>read %1: %2</source>
        <translation>ausgelesen am %1: %2</translation>
    </message>
    <message>
        <source>%1, unplugged</source>
        <translation>%1, abgezogen</translation>
    </message>
    <message>
        <source>no controller</source>
        <translation>kein Regler</translation>
    </message>
    <message>
        <source>Choose controller…</source>
        <translation>Regler wählen…</translation>
    </message>
    <message>
        <source>REV</source>
        <comment>frame: reverse driving</comment>
        <translation>Rückwärtsfahrt</translation>
    </message>
    <message>
        <source>FWD</source>
        <comment>frame: forward driving</comment>
        <translation>Vorwärtsfahrt</translation>
    </message>
    <message>
        <source> [demo]</source>
        <translation> [Demo]</translation>
    </message>
    <message>
        <source>%1: %2; %3</source>
        <translation>%1: %2; %3</translation>
    </message>
    <message>
        <source>QKFile(*.qkf)</source>
        <translation>Parameterdatei (*.qkf)</translation>
    </message>
    <message>
        <source>The set in the editors comes from the history, %1.</source>
        <translation>Der Satz in den Eingabefeldern stammt aus dem Verlauf, %1.</translation>
    </message>
    <message>
        <source>No history is kept in this session.</source>
        <translation>In dieser Sitzung wird kein Verlauf geführt.</translation>
    </message>
    <message>
        <source>From the history: %1 %2, port %3</source>
        <translation>Aus dem Verlauf: %1 %2, Port %3</translation>
    </message>
    <message>
        <source>History…</source>
        <translation>Verlauf…</translation>
    </message>
    <message>
        <source>The set is the one the history last kept of this controller (%1).</source>
        <translation>Der Satz ist der zuletzt im Verlauf für diesen Regler festgehaltene (%1).</translation>
    </message>
    <message>
        <source>Changes to the set the history last kept of this controller (%1):</source>
        <translation>Änderungen gegenüber dem zuletzt im Verlauf für diesen Regler festgehaltenen Satz (%1):</translation>
    </message>
    <message>
        <source>A click here, or Ctrl+D, chooses the controller this window works with</source>
        <translation>Ein Klick hier oder Strg+D wählt den Regler, mit dem dieses Fenster arbeitet</translation>
    </message>
    <message>
        <source>%1 entries of the history could not be kept: %2</source>
        <translation>%1 Einträge des Verlaufs konnten nicht festgehalten werden: %2</translation>
    </message>
    <message>
        <source>The history could not keep what was just read, stored or reset (%1). The controller has it as the status line says; only the history&apos;s record of it is missing.</source>
        <translation>Der Verlauf konnte nicht festhalten, was eben ausgelesen, geschrieben oder zurückgesetzt wurde (%1). Der Regler hat es so, wie die Statuszeile sagt; nur der Eintrag im Verlauf fehlt.</translation>
    </message>
    <message>
        <source>The editors hold changes that were not stored. Read the controller&apos;s set and drop them?</source>
        <translation>Die Eingabefelder enthalten Änderungen, die nicht geschrieben wurden. Den Satz des Reglers auslesen und sie verwerfen?</translation>
    </message>
    <message>
        <source>Cancel keeps the changes in the editors.</source>
        <translation>Abbrechen behält die Änderungen in den Eingabefeldern.</translation>
    </message>
    <message>
        <source>Nothing has been read from this controller since it was plugged in: what it holds is not known. GetConfig shows it.</source>
        <translation>Seit dem Anschließen wurde aus diesem Regler nichts ausgelesen: Was er enthält, ist nicht bekannt. „Auslesen“ zeigt es.</translation>
    </message>
    <message>
        <source>Another program stored a set into this controller since the window last read it; the changes below are against the set it holds now.</source>
        <translation>Ein anderes Programm hat seit dem letzten Auslesen durch das Fenster einen Satz in diesen Regler geschrieben; die Änderungen unten beziehen sich auf den Satz, den er jetzt enthält.</translation>
    </message>
    <message>
        <source>history entries waiting: %1</source>
        <translation>wartende Verlaufseinträge: %1</translation>
    </message>
    <message>
        <source>Unit: %1</source>
        <extracomment>%1: the bike, frame or order number the controller belongs to</extracomment>
        <translation>Einheit: %1</translation>
    </message>
    <message>
        <source>Unit…</source>
        <translation>Einheit…</translation>
    </message>
    <message>
        <source>unit %1</source>
        <extracomment>%1: the bike, frame or order number the controller belongs to</extracomment>
        <translation>Einheit %1</translation>
    </message>
    <message>
        <source>Plug in the controller first: a unit belongs to the controller this window works with.</source>
        <translation>Stecken Sie zuerst den Regler ein: Eine Einheit gehört zu dem Regler, mit dem dieses Fenster arbeitet.</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Einheit</translation>
    </message>
    <message>
        <source>The unit of %1 (bike, frame or order number), kept with every entry of it; scan or type it, or leave it empty:</source>
        <translation>Die Einheit von %1 (Fahrrad, Rahmen oder Auftragsnummer), mit jedem seiner Einträge festgehalten; scannen oder tippen Sie sie ein, oder lassen Sie das Feld leer:</translation>
    </message>
    <message>
        <source>A unit is text of at most 64 bytes without control characters; the unit stays as it was.</source>
        <translation>Eine Einheit ist Text von höchstens 64 Bytes ohne Steuerzeichen; die Einheit bleibt, wie sie war.</translation>
    </message>
</context>
<context>
    <name>HistoryView</name>
    <message>
        <source>read</source>
        <comment>event</comment>
        <translation>ausgelesen</translation>
    </message>
    <message>
        <source>stored</source>
        <comment>event</comment>
        <translation>geschrieben</translation>
    </message>
    <message>
        <source>reset</source>
        <comment>event</comment>
        <translation>zurückgesetzt</translation>
    </message>
    <message>
        <source>entry @%1: %2 %3, %4</source>
        <translation>Eintrag @%1: %2 %3, %4</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Verlauf</translation>
    </message>
    <message>
        <source>&amp;All controllers</source>
        <translation>&amp;Alle Regler</translation>
    </message>
    <message>
        <source>History entries</source>
        <translation>Verlaufseinträge</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Ereignis</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programm</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>Seriennr.</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>Änderungen</translation>
    </message>
    <message>
        <source>Comparison</source>
        <translation>Vergleich</translation>
    </message>
    <message>
        <source>Select an entry (Ctrl+click or Shift+arrow for two) and compare it.</source>
        <translation>Einen Eintrag wählen (Strg+Klick oder Umschalt+Pfeil für zwei) und vergleichen.</translation>
    </message>
    <message>
        <source>With the &amp;editors</source>
        <translation>Mit den &amp;Eingabefeldern</translation>
    </message>
    <message>
        <source>With the &amp;last read</source>
        <translation>Mit dem &amp;letzten Auslesen</translation>
    </message>
    <message>
        <source>With the &amp;port&apos;s set before</source>
        <translation>Mit dem &amp;vorigen Satz des Ports</translation>
    </message>
    <message>
        <source>The t&amp;wo selected</source>
        <translation>Die &amp;zwei gewählten</translation>
    </message>
    <message>
        <source>Compare:</source>
        <translation>Vergleichen:</translation>
    </message>
    <message>
        <source>&amp;Take into the editors</source>
        <translation>In die Eingabefelder ü&amp;bernehmen</translation>
    </message>
    <message>
        <source>factory settings restored; the set they gave was not read</source>
        <translation>auf Werkseinstellung zurückgesetzt; danach nicht ausgelesen</translation>
    </message>
    <message>
        <source>plugged in anew: the first set since</source>
        <translation>neu angeschlossen: der erste Satz seitdem</translation>
    </message>
    <message>
        <source>the first set kept of this controller</source>
        <translation>der erste festgehaltene Satz dieses Reglers</translation>
    </message>
    <message>
        <source>no changes</source>
        <translation>keine Änderungen</translation>
    </message>
    <message>
        <source>Nothing has been kept yet.</source>
        <translation>Noch nichts festgehalten.</translation>
    </message>
    <message>
        <source>The history cannot be kept: %1</source>
        <translation>Der Verlauf kann nicht geführt werden: %1</translation>
    </message>
    <message>
        <source>From %1
to %2:</source>
        <translation>Von %1
zu %2:</translation>
    </message>
    <message>
        <source>No differences.</source>
        <translation>Keine Unterschiede.</translation>
    </message>
    <message>
        <source>the editors</source>
        <translation>den Eingabefeldern</translation>
    </message>
    <message>
        <source>Nothing has been read from the window&apos;s controller since it was plugged in.</source>
        <translation>Seit dem Anschließen wurde aus dem Regler dieses Fensters nichts ausgelesen.</translation>
    </message>
    <message>
        <source>the set last read from the window&apos;s controller</source>
        <translation>dem zuletzt aus dem Regler dieses Fensters gelesenen Satz</translation>
    </message>
    <message>
        <source>Nothing was kept of this port before this entry.</source>
        <translation>Von diesem Port wurde vor diesem Eintrag nichts festgehalten.</translation>
    </message>
    <message>
        <source>Every set read, stored or reset, of all controllers.</source>
        <translation>Jeder ausgelesene, geschriebene oder zurückgesetzte Satz aller Regler.</translation>
    </message>
    <message>
        <source>Every set read, stored or reset, of %1.</source>
        <extracomment>%1: a controller as &quot;port 1-1, serial 0001&quot;</extracomment>
        <translation>Jeder ausgelesene, geschriebene oder zurückgesetzte Satz von %1.</translation>
    </message>
    <message>
        <source>Only the newest %1 of %2 entries are listed; vt350ctl history lists them all.</source>
        <translation>Nur die neuesten %1 von %2 Einträgen sind aufgeführt; vt350ctl history listet alle.</translation>
    </message>
    <message>
        <source>The history could not be read whole (%1); the list is filled in as soon as it can be.</source>
        <translation>Der Verlauf konnte nicht vollständig gelesen werden (%1); die Liste wird ergänzt, sobald es geht.</translation>
    </message>
    <message>
        <source>Oldest first.</source>
        <translation>Die ältesten zuerst.</translation>
    </message>
    <message>
        <source>Newest first.</source>
        <translation>Die neuesten zuerst.</translation>
    </message>
    <message>
        <source>Sorted by %1; newest first within each.</source>
        <translation>Sortiert nach %1; innerhalb jeder Gruppe die neuesten zuerst.</translation>
    </message>
    <message>
        <source>The history folder is on a network file system (%1): programs on other machines that use it can damage it. Keep it on a local disk.</source>
        <translation>Der Verlaufsordner liegt auf einem Netzwerkdateisystem (%1): Programme auf anderen Rechnern, die ihn benutzen, können ihn beschädigen. Bewahren Sie ihn auf einer lokalen Platte auf.</translation>
    </message>
    <message>
        <source>&amp;Unit %1, every bench and controller</source>
        <extracomment>%1: the bike, frame or order number the window&apos;s controller belongs to</extracomment>
        <translation>Ein&amp;heit %1, alle Arbeitsplätze und Regler</translation>
    </message>
    <message>
        <source>, bench %1</source>
        <extracomment>%1: the name of the bench (the workshop&apos;s computer) that kept the entry</extracomment>
        <translation>, Arbeitsplatz %1</translation>
    </message>
    <message>
        <source>Bench</source>
        <translation>Arbeitsplatz</translation>
    </message>
    <message>
        <source>Every set read, stored or reset, of unit %1, from every bench that sends to the shared record; each against the unit&apos;s set before it.</source>
        <extracomment>%1: the bike, frame or order number</extracomment>
        <translation>Jeder ausgelesene, geschriebene oder zurückgesetzte Satz der Einheit %1, von jedem Arbeitsplatz, der an die gemeinsame Aufzeichnung sendet; jeder verglichen mit dem Satz der Einheit davor.</translation>
    </message>
    <message>
        <source>Every set read, stored or reset, of unit %1 on this bench.</source>
        <translation>Jeder ausgelesene, geschriebene oder zurückgesetzte Satz der Einheit %1 an diesem Arbeitsplatz.</translation>
    </message>
    <message>
        <source>The shared record cannot be read (%1).</source>
        <translation>Die gemeinsame Aufzeichnung kann nicht gelesen werden (%1).</translation>
    </message>
    <message>
        <source>Reading the other benches&apos; from the shared record…</source>
        <translation>Die Einträge der anderen Arbeitsplätze werden aus der gemeinsamen Aufzeichnung gelesen…</translation>
    </message>
    <message>
        <source>the first set kept of this unit</source>
        <translation>der erste festgehaltene Satz dieser Einheit</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>The file &quot;%1&quot; does not exist.</source>
        <translation>Die Datei „%1“ existiert nicht.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; holds %2 bytes, but a parameter file holds 15; nothing was loaded.</source>
        <translation>Die Datei „%1“ enthält %2 Bytes, eine Parameterdatei aber 15; nichts wurde geladen.</translation>
    </message>
    <message>
        <source>Could not open the file &quot;%1&quot;: %2.</source>
        <translation>Die Datei „%1“ konnte nicht geöffnet werden: %2.</translation>
    </message>
    <message>
        <source>Could not read the file &quot;%1&quot;: %2.</source>
        <translation>Die Datei „%1“ konnte nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>Could not write the file &quot;%1&quot;: %2.</source>
        <translation>Die Datei „%1“ konnte nicht geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>It may now hold parts of the old and the new set.</source>
        <translation>Sie kann jetzt Teile des alten und des neuen Satzes enthalten.</translation>
    </message>
    <message>
        <source>Peak current %1 is below the continuous current %2</source>
        <translation>Der Spitzenstrom %1 liegt unter dem Dauerstrom %2</translation>
    </message>
    <message>
        <source>%1: %2 is outside %3 to %4</source>
        <translation>%1: %2 liegt außerhalb des Bereichs %3 bis %4</translation>
    </message>
    <message>
        <source> or </source>
        <translation> oder </translation>
    </message>
    <message>
        <source>%1: %2; the editor offers %3</source>
        <translation>%1: %2; das Eingabefeld bietet %3</translation>
    </message>
    <message>
        <source>Could not attach to PnP node</source>
        <translation>Keine Verbindung zum PnP-Knoten</translation>
    </message>
    <message>
        <source>Could not get the name of this HID device</source>
        <translation>Der Name dieses HID-Geräts war nicht zu ermitteln</translation>
    </message>
    <message>
        <source>Could not open HID device</source>
        <translation>Das HID-Gerät konnte nicht geöffnet werden</translation>
    </message>
    <message>
        <source>Errorcode = [%1]</source>
        <translation>Fehlercode = [%1]</translation>
    </message>
    <message>
        <source>Send Command Error</source>
        <translation>Fehler beim Senden des Befehls</translation>
    </message>
    <message>
        <source>Send Data Error</source>
        <translation>Fehler beim Senden der Daten</translation>
    </message>
    <message>
        <source>RegisterDeviceNotification failed</source>
        <translation>RegisterDeviceNotification ist fehlgeschlagen</translation>
    </message>
    <message>
        <source>Please enter valid numerical data</source>
        <translation>Bitte gültige Zahlen eingeben</translation>
    </message>
    <message>
        <source>Please enter valid  numerical data</source>
        <translation>Bitte gültige Zahlen eingeben</translation>
    </message>
    <message>
        <source>serial %1</source>
        <translation>Seriennummer %1</translation>
    </message>
    <message>
        <source>port %1</source>
        <translation>Port %1</translation>
    </message>
</context>
<context>
    <name>Parameters</name>
    <message>
        <source>BLDC (brushless)</source>
        <translation>BLDC (bürstenlos)</translation>
    </message>
    <message>
        <source>DC (brushed)</source>
        <translation>DC (mit Bürsten)</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>1 (niedrig)</translation>
    </message>
    <message>
        <source>Mid</source>
        <translation>2 (mittel)</translation>
    </message>
    <message>
        <source>High</source>
        <translation>3 (hoch)</translation>
    </message>
    <message>
        <source>REV</source>
        <translation>Rückwärts</translation>
    </message>
    <message>
        <source>FWD</source>
        <translation>Vorwärts</translation>
    </message>
    <message>
        <source>disabled</source>
        <translation>aus</translation>
    </message>
    <message>
        <source>enabled</source>
        <translation>ein</translation>
    </message>
    <message>
        <source>Unimm (at zero speed)</source>
        <translation>Im Stillstand (Drehzahl null)</translation>
    </message>
    <message>
        <source>Immed (immediately)</source>
        <translation>Sofort</translation>
    </message>
    <message>
        <source>Regenerative brake</source>
        <translation>Rekuperationsbremse</translation>
    </message>
    <message>
        <source>Motor flag bits 1-6</source>
        <translation>Motor-Flagbits 1–6</translation>
    </message>
    <message>
        <source>Reserved bytes</source>
        <translation>Reservierte Bytes</translation>
    </message>
    <message>
        <source>Continuous current</source>
        <translation>Dauerstrom</translation>
    </message>
    <message>
        <source>Peak current</source>
        <translation>Spitzenstrom</translation>
    </message>
    <message>
        <source>Motor voltage</source>
        <translation>Motorspannung</translation>
    </message>
    <message>
        <source>Motor type</source>
        <translation>Motortyp</translation>
    </message>
    <message>
        <source>Phase angle</source>
        <translation>Phasenwinkel</translation>
    </message>
    <message>
        <source>PAS level</source>
        <translation>PAS-Stufe</translation>
    </message>
    <message>
        <source>PAS direction</source>
        <translation>PAS-Richtung</translation>
    </message>
    <message>
        <source>Forward speed scale</source>
        <translation>Geschwindigkeitsbegrenzung vorwärts</translation>
    </message>
    <message>
        <source>Reversion</source>
        <translation>Umkehr</translation>
    </message>
    <message>
        <source>Reversion mode</source>
        <translation>Umkehrmodus</translation>
    </message>
    <message>
        <source>Reversion speed scale</source>
        <translation>Geschwindigkeitsbegrenzung der Umkehr</translation>
    </message>
    <message>
        <source>unknown (code %1)</source>
        <translation>unbekannt (Code %1)</translation>
    </message>
</context>
<context>
    <name>Status</name>
    <message>
        <source>GetConfig Success</source>
        <translation>Auslesen erfolgreich</translation>
    </message>
    <message>
        <source>Connect Success</source>
        <translation>Verbinden erfolgreich</translation>
    </message>
    <message>
        <source>Disconnect Success</source>
        <translation>Trennen erfolgreich</translation>
    </message>
    <message>
        <source>Restore Success</source>
        <translation>Werkseinstellung geladen</translation>
    </message>
    <message>
        <source>Load Success</source>
        <translation>Schreiben erfolgreich</translation>
    </message>
    <message>
        <source>Load Error</source>
        <translation>Fehler beim Schreiben</translation>
    </message>
    <message>
        <source>GetConfig Error</source>
        <translation>Fehler beim Auslesen</translation>
    </message>
    <message>
        <source>No answer</source>
        <translation>Keine Antwort</translation>
    </message>
    <message>
        <source>No controller</source>
        <translation>Kein Regler</translation>
    </message>
    <message>
        <source>Not sent</source>
        <translation>Nicht gesendet</translation>
    </message>
    <message>
        <source>Read by another program</source>
        <translation>Von einem anderen Programm ausgelesen</translation>
    </message>
    <message>
        <source>Stored by another program</source>
        <translation>Von einem anderen Programm geschrieben</translation>
    </message>
    <message>
        <source>Reset by another program</source>
        <translation>Von einem anderen Programm zurückgesetzt</translation>
    </message>
    <message>
        <source>Unplugged</source>
        <translation>Abgezogen</translation>
    </message>
    <message>
        <source>Stored by another program; your changes stay in the editors</source>
        <translation>Von einem anderen Programm geschrieben; Ihre Änderungen bleiben in den Eingabefeldern</translation>
    </message>
    <message>
        <source>Read by another program; your changes stay in the editors</source>
        <translation>Von einem anderen Programm ausgelesen; Ihre Änderungen bleiben in den Eingabefeldern</translation>
    </message>
    <message>
        <source>The editors show the set of %1</source>
        <extracomment>%1: a controller as &quot;port 1-1, serial 0001&quot;</extracomment>
        <translation>Die Eingabefelder zeigen den Satz von %1</translation>
    </message>
    <message>
        <source>Unplugged (Ctrl+D: another controller)</source>
        <translation>Abgezogen (Strg+D: anderer Regler)</translation>
    </message>
    <message>
        <source>Another unit (serial %1): nothing read yet</source>
        <translation>Ein anderes Gerät (Seriennummer %1): noch nichts ausgelesen</translation>
    </message>
    <message>
        <source>Plugged in: nothing read yet</source>
        <translation>Angeschlossen: noch nichts ausgelesen</translation>
    </message>
    <message>
        <source>The editors keep the set from the file; GetConfig shows what %1 holds</source>
        <extracomment>%1: a controller as &quot;port 1-1, serial 0001&quot;</extracomment>
        <translation>Die Eingabefelder behalten den Satz aus der Datei; „Auslesen“ zeigt, was %1 enthält</translation>
    </message>
    <message>
        <source>The editors keep the set from the history; GetConfig shows what %1 holds</source>
        <extracomment>%1: a controller as &quot;port 1-1, serial 0001&quot;</extracomment>
        <translation>Die Eingabefelder behalten den Satz aus dem Verlauf; „Auslesen“ zeigt, was %1 enthält</translation>
    </message>
    <message>
        <source>Your changes for %1, not stored yet, are back in the editors</source>
        <extracomment>%1: a controller as &quot;port 1-1, serial 0001&quot;</extracomment>
        <translation>Ihre noch nicht geschriebenen Änderungen für %1 sind wieder in den Eingabefeldern</translation>
    </message>
    <message>
        <source>Reading the set of %1...</source>
        <extracomment>%1: a controller as &quot;port 1-1, serial 0001&quot;</extracomment>
        <translation>Der Satz von %1 wird ausgelesen …</translation>
    </message>
</context>
</TS>
