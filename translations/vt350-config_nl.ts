<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>ControllerChooser</name>
    <message>
        <source>Choose a controller</source>
        <translation>Een controller kiezen</translation>
    </message>
    <message>
        <source>Controllers plugged in</source>
        <translation>Aangesloten controllers</translation>
    </message>
    <message>
        <source>Work with this controller</source>
        <translation>Met deze controller werken</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Status line</source>
        <translation>Statusregel</translation>
    </message>
    <message>
        <source>The parameter set kept in &quot;%1&quot; could not be read at start. Replace it with the present set?</source>
        <translation>De parameterset in “%1” kon bij het starten niet worden gelezen. Vervangen door de huidige set?</translation>
    </message>
    <message>
        <source>Cancel keeps the file as it is.</source>
        <translation>Annuleren laat het bestand zoals het is.</translation>
    </message>
    <message>
        <source>Nothing was sent: the parameter set holds values the editors cannot set.</source>
        <translation>Er is niets verzonden: de parameterset bevat waarden die de velden niet kunnen instellen.</translation>
    </message>
    <message>
        <source>Would you decide to store or save?</source>
        <translation>De set naar de controller schrijven?</translation>
    </message>
    <message>
        <source>Another controller was plugged in while you were asked; nothing was sent.</source>
        <translation>Tijdens de vraag is een andere controller aangesloten; er is niets verzonden.</translation>
    </message>
    <message>
        <source>The controller&apos;s set changed while you were asked; nothing was sent.</source>
        <translation>De set van de controller is tijdens de vraag veranderd; er is niets verzonden.</translation>
    </message>
    <message>
        <source>Controller: %1</source>
        <translation>Controller: %1</translation>
    </message>
    <message>
        <source>The controller was reset to its factory settings since it was last read; the editors still show the set from before, and OK stores that set. GetConfig shows what it holds now.</source>
        <translation>De controller is sinds het laatste uitlezen teruggezet naar de fabrieksinstellingen; de velden tonen nog de set van daarvoor, en OK schrijft die set naar de controller. “Uitlezen” toont wat hij nu bevat.</translation>
    </message>
    <message>
        <source>The set is the one last read from the controller.</source>
        <translation>De set is de laatst uit de controller gelezen set.</translation>
    </message>
    <message>
        <source>Changes to the set last read from the controller:</source>
        <translation>Wijzigingen ten opzichte van de laatst uit de controller gelezen set:</translation>
    </message>
    <message>
        <source>Warning: %1</source>
        <translation>Waarschuwing: %1</translation>
    </message>
    <message>
        <source>The window cannot show these values of the parameter set; their editors still show earlier settings, and Store/Save will not send the set as it is:</source>
        <translation>Het venster kan deze waarden van de parameterset niet tonen; hun velden tonen nog eerdere instellingen, en “Schrijven” verzendt de set niet zo:</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Openen</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Opslaan als</translation>
    </message>
    <message>
        <source>The file already exists. Would you overwrite it?</source>
        <translation>Het bestand bestaat al. Overschrijven?</translation>
    </message>
    <message>
        <source>Cruise Controller Programming User Interface Ver_1.0</source>
        <translation>Controller programmeren – Gebruikersinterface Ver_1.0</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Bestand</translation>
    </message>
    <message>
        <source>Store/Save</source>
        <translation>Schrijven</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Afsluiten</translation>
    </message>
    <message>
        <source>Configurable Parameter</source>
        <translation>Instelbare parameters</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>Opdrachten</translation>
    </message>
    <message>
        <source>Brake</source>
        <translation>Rem</translation>
    </message>
    <message>
        <source>REV</source>
        <translation>Achter</translation>
    </message>
    <message>
        <source>FWD</source>
        <translation>Voor</translation>
    </message>
    <message>
        <source>Motor Type</source>
        <translation>Motortype</translation>
    </message>
    <message>
        <source>PAS</source>
        <translation>PAS (trapondersteuning)</translation>
    </message>
    <message>
        <source>Motor Voltage</source>
        <translation>Motorspanning</translation>
    </message>
    <message>
        <source>Max Current</source>
        <translation>Max. stroom</translation>
    </message>
    <message>
        <source>Regen Brake:</source>
        <translation>Regen. rem:</translation>
    </message>
    <message>
        <source>Unimm</source>
        <translation>Stilst.</translation>
    </message>
    <message>
        <source>Reversion when motor&apos;s speed is &quot;zero&quot;</source>
        <translation>Omkeren als het toerental van de motor “nul” is</translation>
    </message>
    <message>
        <source>Immed</source>
        <translation>Direct</translation>
    </message>
    <message>
        <source>Reversion immediately</source>
        <translation>Direct omkeren</translation>
    </message>
    <message>
        <source>Speed Scale:</source>
        <translation>Snelh.schaal:</translation>
    </message>
    <message>
        <source>Reversion Speed Scale</source>
        <translation>Snelheidsschaal bij omkeren</translation>
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
        <translation>Omkeermodus</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Uit</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Aan</translation>
    </message>
    <message>
        <source>BLDC (brushless)</source>
        <translation>BLDC borstelloos</translation>
    </message>
    <message>
        <source>DC (brushed)</source>
        <translation>DC (borstels)</translation>
    </message>
    <message>
        <source>Phase ..</source>
        <translation>Fase ..</translation>
    </message>
    <message>
        <source>Phase Angle:</source>
        <translation>Fasehoek:</translation>
    </message>
    <message>
        <source>Direction:</source>
        <translation>Richting:</translation>
    </message>
    <message>
        <source>High</source>
        <translation>H</translation>
    </message>
    <message>
        <source>Mid</source>
        <translation>M</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>L</translation>
    </message>
    <message>
        <source>Level:</source>
        <translation>Niv.:</translation>
    </message>
    <message>
        <source>Peak:</source>
        <translation>Piek:</translation>
    </message>
    <message>
        <source>Continuous:</source>
        <translation>Continu:</translation>
    </message>
    <message>
        <source>Factory Setting</source>
        <translation>Fabrieksinst.</translation>
    </message>
    <message>
        <source>Factory_Setting</source>
        <translation>Fabrieksinstellingen</translation>
    </message>
    <message>
        <source>GetConfig</source>
        <translation>Uitlezen</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Verbreken</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Verbinden</translation>
    </message>
    <message>
        <source>File</source>
        <comment>full wording</comment>
        <translation>Bestand</translation>
    </message>
    <message>
        <source>Store/Save</source>
        <comment>full wording</comment>
        <translation>Naar de controller schrijven</translation>
    </message>
    <message>
        <source>Exit</source>
        <comment>full wording</comment>
        <translation>Afsluiten</translation>
    </message>
    <message>
        <source>Configurable Parameter</source>
        <comment>full wording</comment>
        <translation>Instelbare parameters</translation>
    </message>
    <message>
        <source>Command</source>
        <comment>full wording</comment>
        <translation>Opdrachten</translation>
    </message>
    <message>
        <source>Save As</source>
        <comment>full wording</comment>
        <translation>Opslaan als</translation>
    </message>
    <message>
        <source>Open</source>
        <comment>full wording</comment>
        <translation>Openen</translation>
    </message>
    <message>
        <source>Brake</source>
        <comment>full wording</comment>
        <translation>Rem</translation>
    </message>
    <message>
        <source>REV</source>
        <comment>full wording</comment>
        <translation>Achter</translation>
    </message>
    <message>
        <source>FWD</source>
        <comment>full wording</comment>
        <translation>Voor</translation>
    </message>
    <message>
        <source>Motor Type</source>
        <comment>full wording</comment>
        <translation>Motortype</translation>
    </message>
    <message>
        <source>PAS</source>
        <comment>full wording</comment>
        <translation>PAS (trapondersteuning)</translation>
    </message>
    <message>
        <source>Motor Voltage</source>
        <comment>full wording</comment>
        <translation>Motorspanning</translation>
    </message>
    <message>
        <source>Max Current</source>
        <comment>full wording</comment>
        <translation>Maximale stroom</translation>
    </message>
    <message>
        <source>Regen Brake:</source>
        <comment>full wording</comment>
        <translation>Regeneratieve rem:</translation>
    </message>
    <message>
        <source>Unimm</source>
        <comment>full wording</comment>
        <translation>Bij stilstand</translation>
    </message>
    <message>
        <source>Immed</source>
        <comment>full wording</comment>
        <translation>Direct</translation>
    </message>
    <message>
        <source>Speed Scale:</source>
        <comment>full wording</comment>
        <translation>Snelheidsschaal:</translation>
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
        <translation>Uitschakelen</translation>
    </message>
    <message>
        <source>Enable</source>
        <comment>full wording</comment>
        <translation>Inschakelen</translation>
    </message>
    <message>
        <source>BLDC (brushless)</source>
        <comment>full wording</comment>
        <translation>BLDC (borstelloos)</translation>
    </message>
    <message>
        <source>DC (brushed)</source>
        <comment>full wording</comment>
        <translation>DC (met borstels)</translation>
    </message>
    <message>
        <source>Phase ..</source>
        <comment>full wording</comment>
        <translation>Fasehoek</translation>
    </message>
    <message>
        <source>Direction:</source>
        <comment>full wording</comment>
        <translation>Richting:</translation>
    </message>
    <message>
        <source>High</source>
        <comment>full wording</comment>
        <translation>Hoog</translation>
    </message>
    <message>
        <source>Mid</source>
        <comment>full wording</comment>
        <translation>Middel</translation>
    </message>
    <message>
        <source>Low</source>
        <comment>full wording</comment>
        <translation>Laag</translation>
    </message>
    <message>
        <source>Level:</source>
        <comment>full wording</comment>
        <translation>Niveau:</translation>
    </message>
    <message>
        <source>Peak:</source>
        <comment>full wording</comment>
        <translation>Piekstroom:</translation>
    </message>
    <message>
        <source>Continuous:</source>
        <comment>full wording</comment>
        <translation>Continue stroom:</translation>
    </message>
    <message>
        <source>Factory Setting</source>
        <comment>full wording</comment>
        <translation>Fabrieksinstellingen</translation>
    </message>
    <message>
        <source>GetConfig</source>
        <comment>full wording</comment>
        <translation>Uitlezen</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <comment>full wording</comment>
        <translation>Verbreken</translation>
    </message>
    <message>
        <source>Connect</source>
        <comment>full wording</comment>
        <translation>Verbinden</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Melding</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle bestanden (*)</translation>
    </message>
    <message>
        <source>writes %1 into byte %2</source>
        <translation>schrijft %1 in byte %2</translation>
    </message>
    <message>
        <source>writes %1 into the bits %2 of byte %3</source>
        <translation>schrijft %1 in de bits %2 van byte %3</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>van %1 tot %2</translation>
    </message>
    <message>
        <source> (%1% to %2%)</source>
        <translation> (%1% tot %2%)</translation>
    </message>
    <message>
        <source>the position</source>
        <translation>de stand</translation>
    </message>
    <message>
        <source>the number</source>
        <translation>het getal</translation>
    </message>
    <message>
        <source>%1: %2; writes %3 into byte %4</source>
        <translation>%1: %2; schrijft %3 in byte %4</translation>
    </message>
    <message>
        <source>, %1 as 0</source>
        <translation>, %1 als 0</translation>
    </message>
    <message>
        <source>Reversion mode and speed scale</source>
        <translation>Omkeermodus en snelheidsschaal</translation>
    </message>
    <message>
        <source>No controller is plugged into port %1.</source>
        <translation>Op poort %1 is geen controller aangesloten.</translation>
    </message>
    <message>
        <source>No controller is plugged into port %1. Controllers are plugged into %2; Ctrl+D chooses one.</source>
        <translation>Op poort %1 is geen controller aangesloten. Er zijn controllers aangesloten op %2; Ctrl+D kiest er een.</translation>
    </message>
    <message>
        <source>Several controllers are plugged in. This window works with the one in %1; choose another here, or later with Ctrl+D.</source>
        <extracomment>%1: a controller as &quot;port 1-1, serial 0001&quot;</extracomment>
        <translation>Er zijn meerdere controllers aangesloten. Dit venster werkt met die op %1; kies hier een andere, of later met Ctrl+D.</translation>
    </message>
    <message>
        <source>The controller in %1 has serial %2: its arrivals are not recognised by name (serial %3 is), so the window finds it by looking after any device comes or goes.</source>
        <extracomment>%1: a bare USB port such as 1-1 (without the word &quot;port&quot;); %2, %3: serial numbers</extracomment>
        <translation>De controller op poort %1 heeft serienummer %2: het aansluiten ervan wordt niet aan de naam herkend (alleen serienummer %3), dus het venster vindt hem door te kijken zodra een apparaat komt of gaat.</translation>
    </message>
    <message>
        <source>No controller is linked to this window: OK sends nothing.</source>
        <translation>Er is geen controller aan dit venster gekoppeld: OK verstuurt niets.</translation>
    </message>
    <message>
        <source>The set in the editors was read from the controller plugged into this port before.</source>
        <translation>De set in de velden is uitgelezen uit de controller die eerder op deze poort zat.</translation>
    </message>
    <message>
        <source>The set in the editors was read from another controller: %1.</source>
        <translation>De set in de velden is uitgelezen uit een andere controller: %1.</translation>
    </message>
    <message>
        <source>The set in the editors comes from the file %1.</source>
        <translation>De set in de velden komt uit het bestand %1.</translation>
    </message>
    <message>
        <source>Another program changed this controller&apos;s set since the window last read it; GetConfig shows what it holds now.</source>
        <translation>Een ander programma heeft de set van deze controller gewijzigd sinds het venster hem uitlas; “Uitlezen” toont wat hij nu bevat.</translation>
    </message>
    <message>
        <source>Choose the controller this window works with.</source>
        <translation>Kies de controller waarmee dit venster werkt.</translation>
    </message>
    <message>
        <source>%1 (this window&apos;s)</source>
        <translation>%1 (van dit venster)</translation>
    </message>
    <message>
        <source>No controller is plugged in.</source>
        <translation>Er is geen controller aangesloten.</translation>
    </message>
    <message>
        <source>reset %1</source>
        <translation>teruggezet op %1</translation>
    </message>
    <message>
        <source>stored %1: %2</source>
        <translation>geschreven op %1: %2</translation>
    </message>
    <message>
        <source>read %1: %2</source>
        <translation>uitgelezen op %1: %2</translation>
    </message>
    <message>
        <source>%1, unplugged</source>
        <translation>%1, losgekoppeld</translation>
    </message>
    <message>
        <source>no controller</source>
        <translation>geen controller</translation>
    </message>
    <message>
        <source>Choose controller…</source>
        <translation>Controller kiezen…</translation>
    </message>
    <message>
        <source>REV</source>
        <comment>frame: reverse driving</comment>
        <translation>Achteruit</translation>
    </message>
    <message>
        <source>FWD</source>
        <comment>frame: forward driving</comment>
        <translation>Vooruit</translation>
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
        <translation>Parameterbestand (*.qkf)</translation>
    </message>
    <message>
        <source>The set in the editors comes from the history, %1.</source>
        <translation>De set in de velden komt uit de geschiedenis, %1.</translation>
    </message>
    <message>
        <source>No history is kept in this session.</source>
        <translation>In deze sessie wordt geen geschiedenis bijgehouden.</translation>
    </message>
    <message>
        <source>From the history: %1 %2, port %3</source>
        <translation>Uit de geschiedenis: %1 %2, poort %3</translation>
    </message>
    <message>
        <source>History…</source>
        <translation>Geschiedenis…</translation>
    </message>
    <message>
        <source>The set is the one the history last kept of this controller (%1).</source>
        <translation>De set is de laatste die de geschiedenis van deze controller bewaarde (%1).</translation>
    </message>
    <message>
        <source>Changes to the set the history last kept of this controller (%1):</source>
        <translation>Wijzigingen ten opzichte van de laatste set die de geschiedenis van deze controller bewaarde (%1):</translation>
    </message>
    <message>
        <source>A click here, or Ctrl+D, chooses the controller this window works with</source>
        <translation>Een klik hier, of Ctrl+D, kiest de controller waarmee dit venster werkt</translation>
    </message>
    <message>
        <source>%1 entries of the history could not be kept: %2</source>
        <translation>%1 items van de geschiedenis konden niet worden bewaard: %2</translation>
    </message>
    <message>
        <source>The history could not keep what was just read, stored or reset (%1). The controller has it as the status line says; only the history&apos;s record of it is missing.</source>
        <translation>De geschiedenis kon niet bewaren wat zojuist is uitgelezen, geschreven of teruggezet (%1). De controller heeft het zoals de statusregel zegt; alleen het item in de geschiedenis ontbreekt.</translation>
    </message>
    <message>
        <source>The editors hold changes that were not stored. Read the controller&apos;s set and drop them?</source>
        <translation>De velden bevatten wijzigingen die niet zijn geschreven. De set van de controller uitlezen en ze weggooien?</translation>
    </message>
    <message>
        <source>Cancel keeps the changes in the editors.</source>
        <translation>Annuleren houdt de wijzigingen in de velden.</translation>
    </message>
    <message>
        <source>Nothing has been read from this controller since it was plugged in: what it holds is not known. GetConfig shows it.</source>
        <translation>Sinds het aansluiten is uit deze controller niets uitgelezen: wat hij bevat is niet bekend. “Uitlezen” toont het.</translation>
    </message>
    <message>
        <source>Another program stored a set into this controller since the window last read it; the changes below are against the set it holds now.</source>
        <translation>Een ander programma heeft sinds het laatste uitlezen door het venster een set naar deze controller geschreven; de wijzigingen hieronder zijn ten opzichte van de set die hij nu bevat.</translation>
    </message>
    <message>
        <source>history entries waiting: %1</source>
        <translation>wachtende geschiedenisitems: %1</translation>
    </message>
    <message>
        <source>Unit: %1</source>
        <extracomment>%1: the bike, frame or order number the controller belongs to</extracomment>
        <translation>Eenheid: %1</translation>
    </message>
    <message>
        <source>Unit…</source>
        <translation>Eenheid…</translation>
    </message>
    <message>
        <source>unit %1</source>
        <extracomment>%1: the bike, frame or order number the controller belongs to</extracomment>
        <translation>eenheid %1</translation>
    </message>
    <message>
        <source>Plug in the controller first: a unit belongs to the controller this window works with.</source>
        <translation>Sluit eerst de controller aan: een eenheid hoort bij de controller waarmee dit venster werkt.</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Eenheid</translation>
    </message>
    <message>
        <source>The unit of %1 (bike, frame or order number), kept with every entry of it; scan or type it, or leave it empty:</source>
        <translation>De eenheid van %1 (fiets, frame of ordernummer), bewaard bij elk van zijn items; scan of typ hem, of laat hem leeg:</translation>
    </message>
    <message>
        <source>A unit is text of at most 64 bytes without control characters; the unit stays as it was.</source>
        <translation>Een eenheid is tekst van hoogstens 64 bytes zonder stuurtekens; de eenheid blijft zoals ze was.</translation>
    </message>
</context>
<context>
    <name>HistoryView</name>
    <message>
        <source>read</source>
        <comment>event</comment>
        <translation>uitgelezen</translation>
    </message>
    <message>
        <source>stored</source>
        <comment>event</comment>
        <translation>geschreven</translation>
    </message>
    <message>
        <source>reset</source>
        <comment>event</comment>
        <translation>teruggezet</translation>
    </message>
    <message>
        <source>entry @%1: %2 %3, %4</source>
        <translation>item @%1: %2 %3, %4</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Geschiedenis</translation>
    </message>
    <message>
        <source>&amp;All controllers</source>
        <translation>&amp;Alle controllers</translation>
    </message>
    <message>
        <source>History entries</source>
        <translation>Geschiedenisitems</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tijd</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Gebeurtenis</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programma</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Poort</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>Serienr.</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>Wijzigingen</translation>
    </message>
    <message>
        <source>Comparison</source>
        <translation>Vergelijking</translation>
    </message>
    <message>
        <source>Select an entry (Ctrl+click or Shift+arrow for two) and compare it.</source>
        <translation>Kies een item (Ctrl+klik of Shift+pijl voor twee) en vergelijk het.</translation>
    </message>
    <message>
        <source>With the &amp;editors</source>
        <translation>Met de &amp;velden</translation>
    </message>
    <message>
        <source>With the &amp;last read</source>
        <translation>Met de &amp;laatste uitlezing</translation>
    </message>
    <message>
        <source>With the &amp;port&apos;s set before</source>
        <translation>Met de vorige set van de &amp;poort</translation>
    </message>
    <message>
        <source>The t&amp;wo selected</source>
        <translation>De t&amp;wee gekozen</translation>
    </message>
    <message>
        <source>Compare:</source>
        <translation>Vergelijken:</translation>
    </message>
    <message>
        <source>&amp;Take into the editors</source>
        <translation>In de velden &amp;overnemen</translation>
    </message>
    <message>
        <source>factory settings restored; the set they gave was not read</source>
        <translation>fabrieksinstellingen hersteld; de set daarna is niet uitgelezen</translation>
    </message>
    <message>
        <source>plugged in anew: the first set since</source>
        <translation>opnieuw aangesloten: de eerste set sindsdien</translation>
    </message>
    <message>
        <source>the first set kept of this controller</source>
        <translation>de eerste bewaarde set van deze controller</translation>
    </message>
    <message>
        <source>no changes</source>
        <translation>geen wijzigingen</translation>
    </message>
    <message>
        <source>Nothing has been kept yet.</source>
        <translation>Er is nog niets bewaard.</translation>
    </message>
    <message>
        <source>The history cannot be kept: %1</source>
        <translation>De geschiedenis kan niet worden bijgehouden: %1</translation>
    </message>
    <message>
        <source>From %1
to %2:</source>
        <translation>Van %1
naar %2:</translation>
    </message>
    <message>
        <source>No differences.</source>
        <translation>Geen verschillen.</translation>
    </message>
    <message>
        <source>the editors</source>
        <translation>de velden</translation>
    </message>
    <message>
        <source>Nothing has been read from the window&apos;s controller since it was plugged in.</source>
        <translation>Sinds het aansluiten is uit de controller van dit venster niets uitgelezen.</translation>
    </message>
    <message>
        <source>the set last read from the window&apos;s controller</source>
        <translation>de set die het laatst uit de controller van dit venster is uitgelezen</translation>
    </message>
    <message>
        <source>Nothing was kept of this port before this entry.</source>
        <translation>Van deze poort is vóór dit item niets bewaard.</translation>
    </message>
    <message>
        <source>Every set read, stored or reset, of all controllers.</source>
        <translation>Elke uitgelezen, geschreven of teruggezette set van alle controllers.</translation>
    </message>
    <message>
        <source>Every set read, stored or reset, of %1.</source>
        <extracomment>%1: a controller as &quot;port 1-1, serial 0001&quot;</extracomment>
        <translation>Elke uitgelezen, geschreven of teruggezette set van %1.</translation>
    </message>
    <message>
        <source>Only the newest %1 of %2 entries are listed; vt350ctl history lists them all.</source>
        <translation>Alleen de nieuwste %1 van %2 items staan in de lijst; vt350ctl history toont ze allemaal.</translation>
    </message>
    <message>
        <source>The history could not be read whole (%1); the list is filled in as soon as it can be.</source>
        <translation>De geschiedenis kon niet volledig worden gelezen (%1); de lijst wordt aangevuld zodra dat kan.</translation>
    </message>
    <message>
        <source>Oldest first.</source>
        <translation>Oudste eerst.</translation>
    </message>
    <message>
        <source>Newest first.</source>
        <translation>Nieuwste eerst.</translation>
    </message>
    <message>
        <source>Sorted by %1; newest first within each.</source>
        <translation>Gesorteerd op %1; binnen elke groep nieuwste eerst.</translation>
    </message>
    <message>
        <source>The history folder is on a network file system (%1): programs on other machines that use it can damage it. Keep it on a local disk.</source>
        <translation>De geschiedenismap staat op een netwerkbestandssysteem (%1): programma’s op andere computers die hem gebruiken, kunnen hem beschadigen. Bewaar hem op een lokale schijf.</translation>
    </message>
    <message>
        <source>&amp;Unit %1, every bench and controller</source>
        <extracomment>%1: the bike, frame or order number the window&apos;s controller belongs to</extracomment>
        <translation>&amp;Eenheid %1, alle werkplekken en controllers</translation>
    </message>
    <message>
        <source>, bench %1</source>
        <extracomment>%1: the name of the bench (the workshop&apos;s computer) that kept the entry</extracomment>
        <translation>, werkplek %1</translation>
    </message>
    <message>
        <source>Bench</source>
        <translation>Werkplek</translation>
    </message>
    <message>
        <source>Every set read, stored or reset, of unit %1, from every bench that sends to the shared record; each against the unit&apos;s set before it.</source>
        <extracomment>%1: the bike, frame or order number</extracomment>
        <translation>Elke uitgelezen, geschreven of teruggezette set van eenheid %1, van elke werkplek die naar het gedeelde register stuurt; elk vergeleken met de vorige set van de eenheid.</translation>
    </message>
    <message>
        <source>Every set read, stored or reset, of unit %1 on this bench.</source>
        <translation>Elke uitgelezen, geschreven of teruggezette set van eenheid %1 op deze werkplek.</translation>
    </message>
    <message>
        <source>The shared record cannot be read (%1).</source>
        <translation>Het gedeelde register kan niet worden gelezen (%1).</translation>
    </message>
    <message>
        <source>Reading the other benches&apos; from the shared record…</source>
        <translation>De vermeldingen van de andere werkplekken worden uit het gedeelde register gelezen…</translation>
    </message>
    <message>
        <source>the first set kept of this unit</source>
        <translation>de eerste bewaarde set van deze eenheid</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>The file &quot;%1&quot; does not exist.</source>
        <translation>Het bestand “%1” bestaat niet.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; holds %2 bytes, but a parameter file holds 15; nothing was loaded.</source>
        <translation>Het bestand “%1” bevat %2 bytes, maar een parameterbestand bevat er 15; er is niets geladen.</translation>
    </message>
    <message>
        <source>Could not open the file &quot;%1&quot;: %2.</source>
        <translation>Kan het bestand “%1” niet openen: %2.</translation>
    </message>
    <message>
        <source>Could not read the file &quot;%1&quot;: %2.</source>
        <translation>Kan het bestand “%1” niet lezen: %2.</translation>
    </message>
    <message>
        <source>Could not write the file &quot;%1&quot;: %2.</source>
        <translation>Kan het bestand “%1” niet schrijven: %2.</translation>
    </message>
    <message>
        <source>It may now hold parts of the old and the new set.</source>
        <translation>Het kan nu delen van de oude en de nieuwe set bevatten.</translation>
    </message>
    <message>
        <source>Peak current %1 is below the continuous current %2</source>
        <translation>de piekstroom %1 ligt onder de continue stroom %2</translation>
    </message>
    <message>
        <source>%1: %2 is outside %3 to %4</source>
        <translation>%1: %2 ligt buiten het bereik %3 tot %4</translation>
    </message>
    <message>
        <source> or </source>
        <translation> of </translation>
    </message>
    <message>
        <source>%1: %2; the editor offers %3</source>
        <translation>%1: %2; het veld biedt %3</translation>
    </message>
    <message>
        <source>Could not attach to PnP node</source>
        <translation>Kan niet aan het PnP-knooppunt koppelen</translation>
    </message>
    <message>
        <source>Could not get the name of this HID device</source>
        <translation>Kan de naam van dit HID-apparaat niet ophalen</translation>
    </message>
    <message>
        <source>Could not open HID device</source>
        <translation>Kan het HID-apparaat niet openen</translation>
    </message>
    <message>
        <source>Errorcode = [%1]</source>
        <translation>Foutcode = [%1]</translation>
    </message>
    <message>
        <source>Send Command Error</source>
        <translation>Fout bij het verzenden van de opdracht</translation>
    </message>
    <message>
        <source>Send Data Error</source>
        <translation>Fout bij het verzenden van de gegevens</translation>
    </message>
    <message>
        <source>RegisterDeviceNotification failed</source>
        <translation>RegisterDeviceNotification is mislukt</translation>
    </message>
    <message>
        <source>Please enter valid numerical data</source>
        <translation>Voer geldige getallen in</translation>
    </message>
    <message>
        <source>Please enter valid  numerical data</source>
        <translation>Voer geldige getallen in</translation>
    </message>
    <message>
        <source>serial %1</source>
        <translation>serienummer %1</translation>
    </message>
    <message>
        <source>port %1</source>
        <translation>poort %1</translation>
    </message>
</context>
<context>
    <name>Parameters</name>
    <message>
        <source>BLDC (brushless)</source>
        <translation>BLDC (borstelloos)</translation>
    </message>
    <message>
        <source>DC (brushed)</source>
        <translation>DC (met borstels)</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Laag</translation>
    </message>
    <message>
        <source>Mid</source>
        <translation>Middel</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Hoog</translation>
    </message>
    <message>
        <source>REV</source>
        <translation>Achteruit</translation>
    </message>
    <message>
        <source>FWD</source>
        <translation>Vooruit</translation>
    </message>
    <message>
        <source>disabled</source>
        <translation>uit</translation>
    </message>
    <message>
        <source>enabled</source>
        <translation>aan</translation>
    </message>
    <message>
        <source>Unimm (at zero speed)</source>
        <translation>Bij stilstand (snelheid nul)</translation>
    </message>
    <message>
        <source>Immed (immediately)</source>
        <translation>Direct</translation>
    </message>
    <message>
        <source>Regenerative brake</source>
        <translation>Regeneratieve rem</translation>
    </message>
    <message>
        <source>Motor flag bits 1-6</source>
        <translation>Motorvlagbits 1–6</translation>
    </message>
    <message>
        <source>Reserved bytes</source>
        <translation>Gereserveerde bytes</translation>
    </message>
    <message>
        <source>Continuous current</source>
        <translation>Continue stroom</translation>
    </message>
    <message>
        <source>Peak current</source>
        <translation>Piekstroom</translation>
    </message>
    <message>
        <source>Motor voltage</source>
        <translation>Motorspanning</translation>
    </message>
    <message>
        <source>Motor type</source>
        <translation>Motortype</translation>
    </message>
    <message>
        <source>Phase angle</source>
        <translation>Fasehoek</translation>
    </message>
    <message>
        <source>PAS level</source>
        <translation>PAS-niveau</translation>
    </message>
    <message>
        <source>PAS direction</source>
        <translation>PAS-richting</translation>
    </message>
    <message>
        <source>Forward speed scale</source>
        <translation>Snelheidsschaal vooruit</translation>
    </message>
    <message>
        <source>Reversion</source>
        <translation>Omkeren</translation>
    </message>
    <message>
        <source>Reversion mode</source>
        <translation>Omkeermodus</translation>
    </message>
    <message>
        <source>Reversion speed scale</source>
        <translation>Snelheidsschaal bij omkeren</translation>
    </message>
    <message>
        <source>unknown (code %1)</source>
        <translation>onbekend (code %1)</translation>
    </message>
</context>
<context>
    <name>Status</name>
    <message>
        <source>GetConfig Success</source>
        <translation>Uitlezen gelukt</translation>
    </message>
    <message>
        <source>Connect Success</source>
        <translation>Verbinden gelukt</translation>
    </message>
    <message>
        <source>Disconnect Success</source>
        <translation>Verbreken gelukt</translation>
    </message>
    <message>
        <source>Restore Success</source>
        <translation>Fabrieksinstellingen hersteld</translation>
    </message>
    <message>
        <source>Load Success</source>
        <translation>Schrijven gelukt</translation>
    </message>
    <message>
        <source>Load Error</source>
        <translation>Fout bij schrijven</translation>
    </message>
    <message>
        <source>GetConfig Error</source>
        <translation>Fout bij uitlezen</translation>
    </message>
    <message>
        <source>No answer</source>
        <translation>Geen antwoord</translation>
    </message>
    <message>
        <source>No controller</source>
        <translation>Geen controller</translation>
    </message>
    <message>
        <source>Not sent</source>
        <translation>Niet verzonden</translation>
    </message>
    <message>
        <source>Read by another program</source>
        <translation>Uitgelezen door een ander programma</translation>
    </message>
    <message>
        <source>Stored by another program</source>
        <translation>Geschreven door een ander programma</translation>
    </message>
    <message>
        <source>Reset by another program</source>
        <translation>Teruggezet door een ander programma</translation>
    </message>
    <message>
        <source>Unplugged</source>
        <translation>Losgekoppeld</translation>
    </message>
    <message>
        <source>Stored by another program; your changes stay in the editors</source>
        <translation>Geschreven door een ander programma; uw wijzigingen blijven in de velden</translation>
    </message>
    <message>
        <source>Read by another program; your changes stay in the editors</source>
        <translation>Uitgelezen door een ander programma; uw wijzigingen blijven in de velden</translation>
    </message>
    <message>
        <source>The editors show the set of %1</source>
        <extracomment>%1: a controller as &quot;port 1-1, serial 0001&quot;</extracomment>
        <translation>De velden tonen de set van %1</translation>
    </message>
    <message>
        <source>Unplugged (Ctrl+D: another controller)</source>
        <translation>Losgekoppeld (Ctrl+D: andere controller)</translation>
    </message>
    <message>
        <source>Another unit (serial %1): nothing read yet</source>
        <translation>Een ander exemplaar (serienummer %1): nog niets uitgelezen</translation>
    </message>
    <message>
        <source>Plugged in: nothing read yet</source>
        <translation>Aangesloten: nog niets uitgelezen</translation>
    </message>
    <message>
        <source>The editors keep the set from the file; GetConfig shows what %1 holds</source>
        <extracomment>%1: a controller as &quot;port 1-1, serial 0001&quot;</extracomment>
        <translation>De velden houden de set uit het bestand; “Uitlezen” toont wat %1 bevat</translation>
    </message>
    <message>
        <source>The editors keep the set from the history; GetConfig shows what %1 holds</source>
        <extracomment>%1: a controller as &quot;port 1-1, serial 0001&quot;</extracomment>
        <translation>De velden houden de set uit de geschiedenis; “Uitlezen” toont wat %1 bevat</translation>
    </message>
    <message>
        <source>Your changes for %1, not stored yet, are back in the editors</source>
        <extracomment>%1: a controller as &quot;port 1-1, serial 0001&quot;</extracomment>
        <translation>Uw nog niet geschreven wijzigingen voor %1 staan weer in de velden</translation>
    </message>
    <message>
        <source>Reading the set of %1...</source>
        <extracomment>%1: a controller as &quot;port 1-1, serial 0001&quot;</extracomment>
        <translation>De set van %1 wordt uitgelezen…</translation>
    </message>
</context>
</TS>
