<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>ControllerChooser</name>
    <message>
        <source>Choose a controller</source>
        <translation>Scegli un controller</translation>
    </message>
    <message>
        <source>Controllers plugged in</source>
        <translation>Controller collegati</translation>
    </message>
    <message>
        <source>Work with this controller</source>
        <translation>Lavora con questo controller</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Status line</source>
        <translation>Barra di stato</translation>
    </message>
    <message>
        <source>The parameter set kept in &quot;%1&quot; could not be read at start. Replace it with the present set?</source>
        <translation>Non è stato possibile leggere all’avvio il set di parametri conservato in «%1». Sostituirlo con il set attuale?</translation>
    </message>
    <message>
        <source>Cancel keeps the file as it is.</source>
        <translation>Annulla lascia il file com’è.</translation>
    </message>
    <message>
        <source>Nothing was sent: the parameter set holds values the editors cannot set.</source>
        <translation>Non è stato inviato nulla: il set di parametri contiene valori che i campi non possono impostare.</translation>
    </message>
    <message>
        <source>Would you decide to store or save?</source>
        <translation>Scrivere il set nel controller?</translation>
    </message>
    <message>
        <source>Another controller was plugged in while you were asked; nothing was sent.</source>
        <translation>Durante la domanda è stato collegato un altro controller; non è stato inviato nulla.</translation>
    </message>
    <message>
        <source>The controller&apos;s set changed while you were asked; nothing was sent.</source>
        <translation>Il set del controller è cambiato durante la domanda; non è stato inviato nulla.</translation>
    </message>
    <message>
        <source>Controller: %1</source>
        <translation>Controller: %1</translation>
    </message>
    <message>
        <source>The controller was reset to its factory settings since it was last read; the editors still show the set from before, and OK stores that set. GetConfig shows what it holds now.</source>
        <translation>Dall’ultima lettura il controller è stato riportato alle impostazioni di fabbrica; i campi mostrano ancora il set precedente, e OK scrive quel set nel controller. «Leggi» mostra cosa contiene ora.</translation>
    </message>
    <message>
        <source>The set is the one last read from the controller.</source>
        <translation>Il set è l’ultimo letto dal controller.</translation>
    </message>
    <message>
        <source>Changes to the set last read from the controller:</source>
        <translation>Modifiche rispetto all’ultimo set letto dal controller:</translation>
    </message>
    <message>
        <source>Warning: %1</source>
        <translation>Attenzione: %1</translation>
    </message>
    <message>
        <source>The window cannot show these values of the parameter set; their editors still show earlier settings, and Store/Save will not send the set as it is:</source>
        <translation>La finestra non può mostrare questi valori del set di parametri; i loro campi mostrano ancora le impostazioni precedenti, e «Scrivi» non invierà il set così com’è:</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Salva come</translation>
    </message>
    <message>
        <source>The file already exists. Would you overwrite it?</source>
        <translation>Il file esiste già. Sovrascriverlo?</translation>
    </message>
    <message>
        <source>Cruise Controller Programming User Interface Ver_1.0</source>
        <translation>Programmazione del controller – Interfaccia utente Ver_1.0</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Store/Save</source>
        <translation>Scrivi</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Configurable Parameter</source>
        <translation>Parametri configurabili</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>Comandi</translation>
    </message>
    <message>
        <source>Brake</source>
        <translation>Freno</translation>
    </message>
    <message>
        <source>REV</source>
        <translation>Retro</translation>
    </message>
    <message>
        <source>FWD</source>
        <translation>Avanti</translation>
    </message>
    <message>
        <source>Motor Type</source>
        <translation>Tipo di motore</translation>
    </message>
    <message>
        <source>PAS</source>
        <translation>PAS (assistenza alla pedalata)</translation>
    </message>
    <message>
        <source>Motor Voltage</source>
        <translation>Tensione del motore</translation>
    </message>
    <message>
        <source>Max Current</source>
        <translation>Corrente max</translation>
    </message>
    <message>
        <source>Regen Brake:</source>
        <translation>Freno rigen.:</translation>
    </message>
    <message>
        <source>Unimm</source>
        <translation>Ritard.</translation>
    </message>
    <message>
        <source>Reversion when motor&apos;s speed is &quot;zero&quot;</source>
        <translation>Inversione quando la velocità del motore è «zero»</translation>
    </message>
    <message>
        <source>Immed</source>
        <translation>Subito</translation>
    </message>
    <message>
        <source>Reversion immediately</source>
        <translation>Inversione immediata</translation>
    </message>
    <message>
        <source>Speed Scale:</source>
        <translation>Scala vel.:</translation>
    </message>
    <message>
        <source>Reversion Speed Scale</source>
        <translation>Scala di velocità dell’inversione</translation>
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
        <translation>Modo:</translation>
    </message>
    <message>
        <source>Reversion Mode</source>
        <translation>Modo di inversione</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Sì</translation>
    </message>
    <message>
        <source>BLDC (brushless)</source>
        <translation>BLDC (brushless)</translation>
    </message>
    <message>
        <source>DC (brushed)</source>
        <translation>CC (spazzole)</translation>
    </message>
    <message>
        <source>Phase ..</source>
        <translation>Fase ..</translation>
    </message>
    <message>
        <source>Phase Angle:</source>
        <translation>Angolo di fase:</translation>
    </message>
    <message>
        <source>Direction:</source>
        <translation>Verso:</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Max</translation>
    </message>
    <message>
        <source>Mid</source>
        <translation>Med</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Min</translation>
    </message>
    <message>
        <source>Level:</source>
        <translation>Liv.:</translation>
    </message>
    <message>
        <source>Peak:</source>
        <translation>Picco:</translation>
    </message>
    <message>
        <source>Continuous:</source>
        <translation>Nominale:</translation>
    </message>
    <message>
        <source>Factory Setting</source>
        <translation>Imp. fabbrica</translation>
    </message>
    <message>
        <source>Factory_Setting</source>
        <translation>Impostazioni di fabbrica</translation>
    </message>
    <message>
        <source>GetConfig</source>
        <translation>Leggi</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Disconnetti</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Connetti</translation>
    </message>
    <message>
        <source>File</source>
        <comment>full wording</comment>
        <translation>File</translation>
    </message>
    <message>
        <source>Store/Save</source>
        <comment>full wording</comment>
        <translation>Scrivi nel controller</translation>
    </message>
    <message>
        <source>Exit</source>
        <comment>full wording</comment>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Configurable Parameter</source>
        <comment>full wording</comment>
        <translation>Parametri configurabili</translation>
    </message>
    <message>
        <source>Command</source>
        <comment>full wording</comment>
        <translation>Comandi</translation>
    </message>
    <message>
        <source>Save As</source>
        <comment>full wording</comment>
        <translation>Salva con nome</translation>
    </message>
    <message>
        <source>Open</source>
        <comment>full wording</comment>
        <translation>Apri</translation>
    </message>
    <message>
        <source>Brake</source>
        <comment>full wording</comment>
        <translation>Freno</translation>
    </message>
    <message>
        <source>REV</source>
        <comment>full wording</comment>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>FWD</source>
        <comment>full wording</comment>
        <translation>Avanti</translation>
    </message>
    <message>
        <source>Motor Type</source>
        <comment>full wording</comment>
        <translation>Tipo di motore</translation>
    </message>
    <message>
        <source>PAS</source>
        <comment>full wording</comment>
        <translation>PAS (assistenza alla pedalata)</translation>
    </message>
    <message>
        <source>Motor Voltage</source>
        <comment>full wording</comment>
        <translation>Tensione del motore</translation>
    </message>
    <message>
        <source>Max Current</source>
        <comment>full wording</comment>
        <translation>Corrente massima</translation>
    </message>
    <message>
        <source>Regen Brake:</source>
        <comment>full wording</comment>
        <translation>Freno rigenerativo:</translation>
    </message>
    <message>
        <source>Unimm</source>
        <comment>full wording</comment>
        <translation>Ritardata</translation>
    </message>
    <message>
        <source>Immed</source>
        <comment>full wording</comment>
        <translation>Immediata</translation>
    </message>
    <message>
        <source>Speed Scale:</source>
        <comment>full wording</comment>
        <translation>Scala di velocità:</translation>
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
        <translation>Modo:</translation>
    </message>
    <message>
        <source>Disable</source>
        <comment>full wording</comment>
        <translation>Disattivata</translation>
    </message>
    <message>
        <source>Enable</source>
        <comment>full wording</comment>
        <translation>Attivata</translation>
    </message>
    <message>
        <source>BLDC (brushless)</source>
        <comment>full wording</comment>
        <translation>BLDC (senza spazzole)</translation>
    </message>
    <message>
        <source>DC (brushed)</source>
        <comment>full wording</comment>
        <translation>CC (con spazzole)</translation>
    </message>
    <message>
        <source>Phase ..</source>
        <comment>full wording</comment>
        <translation>Angolo di fase</translation>
    </message>
    <message>
        <source>Direction:</source>
        <comment>full wording</comment>
        <translation>Verso:</translation>
    </message>
    <message>
        <source>High</source>
        <comment>full wording</comment>
        <translation>Alto</translation>
    </message>
    <message>
        <source>Mid</source>
        <comment>full wording</comment>
        <translation>Medio</translation>
    </message>
    <message>
        <source>Low</source>
        <comment>full wording</comment>
        <translation>Basso</translation>
    </message>
    <message>
        <source>Level:</source>
        <comment>full wording</comment>
        <translation>Livello:</translation>
    </message>
    <message>
        <source>Peak:</source>
        <comment>full wording</comment>
        <translation>Corrente di picco:</translation>
    </message>
    <message>
        <source>Continuous:</source>
        <comment>full wording</comment>
        <translation>Corrente nominale:</translation>
    </message>
    <message>
        <source>Factory Setting</source>
        <comment>full wording</comment>
        <translation>Impostazioni di fabbrica</translation>
    </message>
    <message>
        <source>GetConfig</source>
        <comment>full wording</comment>
        <translation>Leggi la configurazione</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <comment>full wording</comment>
        <translation>Disconnetti</translation>
    </message>
    <message>
        <source>Connect</source>
        <comment>full wording</comment>
        <translation>Connetti</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Messaggio</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tutti i file (*)</translation>
    </message>
    <message>
        <source>writes %1 into byte %2</source>
        <translation>scrive %1 nel byte %2</translation>
    </message>
    <message>
        <source>writes %1 into the bits %2 of byte %3</source>
        <translation>scrive %1 nei bit %2 del byte %3</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>da %1 a %2</translation>
    </message>
    <message>
        <source> (%1% to %2%)</source>
        <translation> (%1%–%2%)</translation>
    </message>
    <message>
        <source>the position</source>
        <translation>la posizione</translation>
    </message>
    <message>
        <source>the number</source>
        <translation>il numero</translation>
    </message>
    <message>
        <source>%1: %2; writes %3 into byte %4</source>
        <translation>%1: %2; scrive %3 nel byte %4</translation>
    </message>
    <message>
        <source>, %1 as 0</source>
        <translation>, %1 come 0</translation>
    </message>
    <message>
        <source>Reversion mode and speed scale</source>
        <translation>Modo e scala di velocità dell’inversione</translation>
    </message>
    <message>
        <source>No controller is plugged into port %1.</source>
        <translation>Nessun controller è collegato alla porta %1.</translation>
    </message>
    <message>
        <source>No controller is plugged into port %1. Controllers are plugged into %2; Ctrl+D chooses one.</source>
        <translation>Nessun controller è collegato alla porta %1. Ci sono controller su %2; Ctrl+D ne sceglie uno.</translation>
    </message>
    <message>
        <source>Several controllers are plugged in. This window works with the one in %1; choose another here, or later with Ctrl+D.</source>
        <extracomment>%1: a controller as &quot;port 1-1, serial 0001&quot;</extracomment>
        <translation>Sono collegati più controller. Questa finestra lavora con quello su %1; scegline un altro qui, o più tardi con Ctrl+D.</translation>
    </message>
    <message>
        <source>The controller in %1 has serial %2: its arrivals are not recognised by name (serial %3 is), so the window finds it by looking after any device comes or goes.</source>
        <extracomment>%1: a bare USB port such as 1-1 (without the word &quot;port&quot;); %2, %3: serial numbers</extracomment>
        <translation>Il controller sulla porta %1 ha il numero di serie %2: il suo collegamento non è riconosciuto dal nome (solo il numero %3), quindi la finestra lo trova controllando ogni volta che un dispositivo arriva o se ne va.</translation>
    </message>
    <message>
        <source>No controller is linked to this window: OK sends nothing.</source>
        <translation>Nessun controller è collegato a questa finestra: OK non invia nulla.</translation>
    </message>
    <message>
        <source>The set in the editors was read from the controller plugged into this port before.</source>
        <translation>Il set nei campi è stato letto dal controller collegato prima a questa porta.</translation>
    </message>
    <message>
        <source>The set in the editors was read from another controller: %1.</source>
        <translation>Il set nei campi è stato letto da un altro controller: %1.</translation>
    </message>
    <message>
        <source>The set in the editors comes from the file %1.</source>
        <translation>Il set nei campi viene dal file %1.</translation>
    </message>
    <message>
        <source>Another program changed this controller&apos;s set since the window last read it; GetConfig shows what it holds now.</source>
        <translation>Un altro programma ha cambiato il set di questo controller dall’ultima lettura della finestra; «Leggi» mostra cosa contiene ora.</translation>
    </message>
    <message>
        <source>Choose the controller this window works with.</source>
        <translation>Scegli il controller con cui lavora questa finestra.</translation>
    </message>
    <message>
        <source>%1 (this window&apos;s)</source>
        <translation>%1 (quello di questa finestra)</translation>
    </message>
    <message>
        <source>No controller is plugged in.</source>
        <translation>Nessun controller è collegato.</translation>
    </message>
    <message>
        <source>reset %1</source>
        <translation>ripristinato il %1</translation>
    </message>
    <message>
        <source>stored %1: %2</source>
        <translation>scritto il %1: %2</translation>
    </message>
    <message>
        <source>read %1: %2</source>
        <translation>letto il %1: %2</translation>
    </message>
    <message>
        <source>%1, unplugged</source>
        <translation>%1, scollegato</translation>
    </message>
    <message>
        <source>no controller</source>
        <translation>nessun controller</translation>
    </message>
    <message>
        <source>Choose controller…</source>
        <translation>Scegli controller…</translation>
    </message>
    <message>
        <source>REV</source>
        <comment>frame: reverse driving</comment>
        <translation>Retromarcia</translation>
    </message>
    <message>
        <source>FWD</source>
        <comment>frame: forward driving</comment>
        <translation>Marcia avanti</translation>
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
        <translation>File di parametri (*.qkf)</translation>
    </message>
    <message>
        <source>The set in the editors comes from the history, %1.</source>
        <translation>Il set nei campi viene dalla cronologia, %1.</translation>
    </message>
    <message>
        <source>No history is kept in this session.</source>
        <translation>In questa sessione non si tiene alcuna cronologia.</translation>
    </message>
    <message>
        <source>From the history: %1 %2, port %3</source>
        <translation>Dalla cronologia: %1 il %2, porta %3</translation>
    </message>
    <message>
        <source>History…</source>
        <translation>Cronologia…</translation>
    </message>
    <message>
        <source>The set is the one the history last kept of this controller (%1).</source>
        <translation>Il set è l’ultimo che la cronologia ha conservato per questo controller (%1).</translation>
    </message>
    <message>
        <source>Changes to the set the history last kept of this controller (%1):</source>
        <translation>Modifiche rispetto all’ultimo set conservato dalla cronologia per questo controller (%1):</translation>
    </message>
    <message>
        <source>A click here, or Ctrl+D, chooses the controller this window works with</source>
        <translation>Un clic qui, o Ctrl+D, sceglie il controller con cui lavora questa finestra</translation>
    </message>
    <message>
        <source>%1 entries of the history could not be kept: %2</source>
        <translation>Non è stato possibile conservare %1 voci della cronologia: %2</translation>
    </message>
    <message>
        <source>The history could not keep what was just read, stored or reset (%1). The controller has it as the status line says; only the history&apos;s record of it is missing.</source>
        <translation>La cronologia non ha potuto conservare ciò che è stato appena letto, scritto o ripristinato (%1). Il controller lo ha come dice la barra di stato; manca solo la sua voce nella cronologia.</translation>
    </message>
    <message>
        <source>The editors hold changes that were not stored. Read the controller&apos;s set and drop them?</source>
        <translation>I campi contengono modifiche non scritte. Leggere il set del controller e scartarle?</translation>
    </message>
    <message>
        <source>Cancel keeps the changes in the editors.</source>
        <translation>Annulla mantiene le modifiche nei campi.</translation>
    </message>
    <message>
        <source>Nothing has been read from this controller since it was plugged in: what it holds is not known. GetConfig shows it.</source>
        <translation>Da quando è stato collegato, da questo controller non è stato letto nulla: non si sa cosa contiene. «Leggi» lo mostra.</translation>
    </message>
    <message>
        <source>Another program stored a set into this controller since the window last read it; the changes below are against the set it holds now.</source>
        <translation>Un altro programma ha scritto un set in questo controller dopo l’ultima lettura della finestra; le modifiche qui sotto sono rispetto al set che contiene ora.</translation>
    </message>
    <message>
        <source>history entries waiting: %1</source>
        <translation>voci della cronologia in attesa: %1</translation>
    </message>
    <message>
        <source>Unit: %1</source>
        <extracomment>%1: the bike, frame or order number the controller belongs to</extracomment>
        <translation>Unità: %1</translation>
    </message>
    <message>
        <source>Unit…</source>
        <translation>Unità…</translation>
    </message>
    <message>
        <source>unit %1</source>
        <extracomment>%1: the bike, frame or order number the controller belongs to</extracomment>
        <translation>unità %1</translation>
    </message>
    <message>
        <source>Plug in the controller first: a unit belongs to the controller this window works with.</source>
        <translation>Collega prima il controller: un’unità appartiene al controller con cui lavora questa finestra.</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Unità</translation>
    </message>
    <message>
        <source>The unit of %1 (bike, frame or order number), kept with every entry of it; scan or type it, or leave it empty:</source>
        <translation>L’unità di %1 (bici, telaio o numero d’ordine), conservata con ogni sua voce; scansionala o digitala, oppure lasciala vuota:</translation>
    </message>
    <message>
        <source>A unit is text of at most 64 bytes without control characters; the unit stays as it was.</source>
        <translation>Un’unità è un testo di al massimo 64 byte senza caratteri di controllo; l’unità resta com’era.</translation>
    </message>
</context>
<context>
    <name>HistoryView</name>
    <message>
        <source>read</source>
        <comment>event</comment>
        <translation>letto</translation>
    </message>
    <message>
        <source>stored</source>
        <comment>event</comment>
        <translation>scritto</translation>
    </message>
    <message>
        <source>reset</source>
        <comment>event</comment>
        <translation>ripristinato</translation>
    </message>
    <message>
        <source>entry @%1: %2 %3, %4</source>
        <translation>voce @%1: %2 il %3, %4</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Cronologia</translation>
    </message>
    <message>
        <source>&amp;All controllers</source>
        <translation>&amp;Tutti i controller</translation>
    </message>
    <message>
        <source>History entries</source>
        <translation>Voci della cronologia</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Ora</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Evento</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programma</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Porta</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>N. di serie</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>Modifiche</translation>
    </message>
    <message>
        <source>Comparison</source>
        <translation>Confronto</translation>
    </message>
    <message>
        <source>Select an entry (Ctrl+click or Shift+arrow for two) and compare it.</source>
        <translation>Scegli una voce (Ctrl+clic o Maiusc+freccia per due) e confrontala.</translation>
    </message>
    <message>
        <source>With the &amp;editors</source>
        <translation>Con i ca&amp;mpi</translation>
    </message>
    <message>
        <source>With the &amp;last read</source>
        <translation>Con l’&amp;ultima lettura</translation>
    </message>
    <message>
        <source>With the &amp;port&apos;s set before</source>
        <translation>Con il set &amp;precedente della porta</translation>
    </message>
    <message>
        <source>The t&amp;wo selected</source>
        <translation>Le &amp;due scelte</translation>
    </message>
    <message>
        <source>Compare:</source>
        <translation>Confronta:</translation>
    </message>
    <message>
        <source>&amp;Take into the editors</source>
        <translation>&amp;Riporta nei campi</translation>
    </message>
    <message>
        <source>factory settings restored; the set they gave was not read</source>
        <translation>impostazioni di fabbrica ripristinate; il set risultante non è stato letto</translation>
    </message>
    <message>
        <source>plugged in anew: the first set since</source>
        <translation>ricollegato: il primo set da allora</translation>
    </message>
    <message>
        <source>the first set kept of this controller</source>
        <translation>il primo set conservato di questo controller</translation>
    </message>
    <message>
        <source>no changes</source>
        <translation>nessuna modifica</translation>
    </message>
    <message>
        <source>Nothing has been kept yet.</source>
        <translation>Non è stato ancora conservato nulla.</translation>
    </message>
    <message>
        <source>The history cannot be kept: %1</source>
        <translation>La cronologia non può essere tenuta: %1</translation>
    </message>
    <message>
        <source>From %1
to %2:</source>
        <translation>Da: %1
A: %2:</translation>
    </message>
    <message>
        <source>No differences.</source>
        <translation>Nessuna differenza.</translation>
    </message>
    <message>
        <source>the editors</source>
        <translation>i campi</translation>
    </message>
    <message>
        <source>Nothing has been read from the window&apos;s controller since it was plugged in.</source>
        <translation>Da quando è stato collegato, dal controller di questa finestra non è stato letto nulla.</translation>
    </message>
    <message>
        <source>the set last read from the window&apos;s controller</source>
        <translation>l’ultimo set letto dal controller di questa finestra</translation>
    </message>
    <message>
        <source>Nothing was kept of this port before this entry.</source>
        <translation>Di questa porta non è stato conservato nulla prima di questa voce.</translation>
    </message>
    <message>
        <source>Every set read, stored or reset, of all controllers.</source>
        <translation>Ogni set letto, scritto o ripristinato, di tutti i controller.</translation>
    </message>
    <message>
        <source>Every set read, stored or reset, of %1.</source>
        <extracomment>%1: a controller as &quot;port 1-1, serial 0001&quot;</extracomment>
        <translation>Ogni set letto, scritto o ripristinato della %1.</translation>
    </message>
    <message>
        <source>Only the newest %1 of %2 entries are listed; vt350ctl history lists them all.</source>
        <translation>Sono elencate solo le %1 voci più recenti su %2; vt350ctl history le elenca tutte.</translation>
    </message>
    <message>
        <source>The history could not be read whole (%1); the list is filled in as soon as it can be.</source>
        <translation>Non è stato possibile leggere tutta la cronologia (%1); l’elenco verrà completato appena possibile.</translation>
    </message>
    <message>
        <source>Oldest first.</source>
        <translation>Prima le più vecchie.</translation>
    </message>
    <message>
        <source>Newest first.</source>
        <translation>Prima le più recenti.</translation>
    </message>
    <message>
        <source>Sorted by %1; newest first within each.</source>
        <translation>Ordinato per %1; prima le più recenti in ogni gruppo.</translation>
    </message>
    <message>
        <source>The history folder is on a network file system (%1): programs on other machines that use it can damage it. Keep it on a local disk.</source>
        <translation>La cartella della cronologia si trova su un file system di rete (%1): i programmi di altre macchine che la usano possono danneggiarla. Tienila su un disco locale.</translation>
    </message>
    <message>
        <source>&amp;Unit %1, every bench and controller</source>
        <extracomment>%1: the bike, frame or order number the window&apos;s controller belongs to</extracomment>
        <translation>U&amp;nità %1, tutte le postazioni e i controller</translation>
    </message>
    <message>
        <source>, bench %1</source>
        <extracomment>%1: the name of the bench (the workshop&apos;s computer) that kept the entry</extracomment>
        <translation>, postazione %1</translation>
    </message>
    <message>
        <source>Bench</source>
        <translation>Postazione</translation>
    </message>
    <message>
        <source>Every set read, stored or reset, of unit %1, from every bench that sends to the shared record; each against the unit&apos;s set before it.</source>
        <extracomment>%1: the bike, frame or order number</extracomment>
        <translation>Ogni set letto, scritto o ripristinato, dell’unità %1, da ogni postazione che invia al registro condiviso; ciascuno confrontato con il set precedente dell’unità.</translation>
    </message>
    <message>
        <source>Every set read, stored or reset, of unit %1 on this bench.</source>
        <translation>Ogni set letto, scritto o ripristinato, dell’unità %1 su questa postazione.</translation>
    </message>
    <message>
        <source>The shared record cannot be read (%1).</source>
        <translation>Non è possibile leggere il registro condiviso (%1).</translation>
    </message>
    <message>
        <source>Reading the other benches&apos; from the shared record…</source>
        <translation>Lettura delle voci delle altre postazioni dal registro condiviso…</translation>
    </message>
    <message>
        <source>the first set kept of this unit</source>
        <translation>il primo set conservato di questa unità</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>The file &quot;%1&quot; does not exist.</source>
        <translation>Il file «%1» non esiste.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; holds %2 bytes, but a parameter file holds 15; nothing was loaded.</source>
        <translation>Il file «%1» contiene %2 byte, ma un file di parametri ne contiene 15; non è stato caricato nulla.</translation>
    </message>
    <message>
        <source>Could not open the file &quot;%1&quot;: %2.</source>
        <translation>Impossibile aprire il file «%1»: %2.</translation>
    </message>
    <message>
        <source>Could not read the file &quot;%1&quot;: %2.</source>
        <translation>Impossibile leggere il file «%1»: %2.</translation>
    </message>
    <message>
        <source>Could not write the file &quot;%1&quot;: %2.</source>
        <translation>Impossibile scrivere il file «%1»: %2.</translation>
    </message>
    <message>
        <source>It may now hold parts of the old and the new set.</source>
        <translation>Ora può contenere parti del set vecchio e di quello nuovo.</translation>
    </message>
    <message>
        <source>Peak current %1 is below the continuous current %2</source>
        <translation>la corrente di picco %1 è inferiore alla corrente nominale %2</translation>
    </message>
    <message>
        <source>%1: %2 is outside %3 to %4</source>
        <translation>%1: %2 non è compreso tra %3 e %4</translation>
    </message>
    <message>
        <source> or </source>
        <translation> o </translation>
    </message>
    <message>
        <source>%1: %2; the editor offers %3</source>
        <translation>%1: %2; il campo offre %3</translation>
    </message>
    <message>
        <source>Could not attach to PnP node</source>
        <translation>Impossibile collegarsi al nodo PnP</translation>
    </message>
    <message>
        <source>Could not get the name of this HID device</source>
        <translation>Impossibile ottenere il nome di questo dispositivo HID</translation>
    </message>
    <message>
        <source>Could not open HID device</source>
        <translation>Impossibile aprire il dispositivo HID</translation>
    </message>
    <message>
        <source>Errorcode = [%1]</source>
        <translation>Codice di errore = [%1]</translation>
    </message>
    <message>
        <source>Send Command Error</source>
        <translation>Errore nell’invio del comando</translation>
    </message>
    <message>
        <source>Send Data Error</source>
        <translation>Errore nell’invio dei dati</translation>
    </message>
    <message>
        <source>RegisterDeviceNotification failed</source>
        <translation>RegisterDeviceNotification non riuscita</translation>
    </message>
    <message>
        <source>Please enter valid numerical data</source>
        <translation>Inserire numeri validi</translation>
    </message>
    <message>
        <source>Please enter valid  numerical data</source>
        <translation>Inserire numeri validi</translation>
    </message>
    <message>
        <source>serial %1</source>
        <translation>numero di serie %1</translation>
    </message>
    <message>
        <source>port %1</source>
        <translation>porta %1</translation>
    </message>
</context>
<context>
    <name>Parameters</name>
    <message>
        <source>BLDC (brushless)</source>
        <translation>BLDC (senza spazzole)</translation>
    </message>
    <message>
        <source>DC (brushed)</source>
        <translation>CC (con spazzole)</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Basso</translation>
    </message>
    <message>
        <source>Mid</source>
        <translation>Medio</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Alto</translation>
    </message>
    <message>
        <source>REV</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>FWD</source>
        <translation>Avanti</translation>
    </message>
    <message>
        <source>disabled</source>
        <translation>disattivata</translation>
    </message>
    <message>
        <source>enabled</source>
        <translation>attivata</translation>
    </message>
    <message>
        <source>Unimm (at zero speed)</source>
        <translation>Ritardata (a velocità zero)</translation>
    </message>
    <message>
        <source>Immed (immediately)</source>
        <translation>Immediata</translation>
    </message>
    <message>
        <source>Regenerative brake</source>
        <translation>Freno rigenerativo</translation>
    </message>
    <message>
        <source>Motor flag bits 1-6</source>
        <translation>Bit di opzione del motore 1–6</translation>
    </message>
    <message>
        <source>Reserved bytes</source>
        <translation>Byte riservati</translation>
    </message>
    <message>
        <source>Continuous current</source>
        <translation>Corrente nominale</translation>
    </message>
    <message>
        <source>Peak current</source>
        <translation>Corrente di picco</translation>
    </message>
    <message>
        <source>Motor voltage</source>
        <translation>Tensione del motore</translation>
    </message>
    <message>
        <source>Motor type</source>
        <translation>Tipo di motore</translation>
    </message>
    <message>
        <source>Phase angle</source>
        <translation>Angolo di fase</translation>
    </message>
    <message>
        <source>PAS level</source>
        <translation>Livello PAS</translation>
    </message>
    <message>
        <source>PAS direction</source>
        <translation>Verso PAS</translation>
    </message>
    <message>
        <source>Forward speed scale</source>
        <translation>Scala di velocità in avanti</translation>
    </message>
    <message>
        <source>Reversion</source>
        <translation>Inversione</translation>
    </message>
    <message>
        <source>Reversion mode</source>
        <translation>Modo di inversione</translation>
    </message>
    <message>
        <source>Reversion speed scale</source>
        <translation>Scala di velocità dell’inversione</translation>
    </message>
    <message>
        <source>unknown (code %1)</source>
        <translation>sconosciuto (codice %1)</translation>
    </message>
</context>
<context>
    <name>Status</name>
    <message>
        <source>GetConfig Success</source>
        <translation>Lettura riuscita</translation>
    </message>
    <message>
        <source>Connect Success</source>
        <translation>Connessione riuscita</translation>
    </message>
    <message>
        <source>Disconnect Success</source>
        <translation>Disconnessione riuscita</translation>
    </message>
    <message>
        <source>Restore Success</source>
        <translation>Impostazioni di fabbrica ripristinate</translation>
    </message>
    <message>
        <source>Load Success</source>
        <translation>Scrittura riuscita</translation>
    </message>
    <message>
        <source>Load Error</source>
        <translation>Errore di scrittura</translation>
    </message>
    <message>
        <source>GetConfig Error</source>
        <translation>Errore di lettura</translation>
    </message>
    <message>
        <source>No answer</source>
        <translation>Nessuna risposta</translation>
    </message>
    <message>
        <source>No controller</source>
        <translation>Nessun controller</translation>
    </message>
    <message>
        <source>Not sent</source>
        <translation>Non inviato</translation>
    </message>
    <message>
        <source>Read by another program</source>
        <translation>Letto da un altro programma</translation>
    </message>
    <message>
        <source>Stored by another program</source>
        <translation>Scritto da un altro programma</translation>
    </message>
    <message>
        <source>Reset by another program</source>
        <translation>Ripristinato da un altro programma</translation>
    </message>
    <message>
        <source>Unplugged</source>
        <translation>Scollegato</translation>
    </message>
    <message>
        <source>Stored by another program; your changes stay in the editors</source>
        <translation>Scritto da un altro programma; le modifiche restano nei campi</translation>
    </message>
    <message>
        <source>Read by another program; your changes stay in the editors</source>
        <translation>Letto da un altro programma; le modifiche restano nei campi</translation>
    </message>
    <message>
        <source>The editors show the set of %1</source>
        <extracomment>%1: a controller as &quot;port 1-1, serial 0001&quot;</extracomment>
        <translation>I campi mostrano il set della %1</translation>
    </message>
    <message>
        <source>Unplugged (Ctrl+D: another controller)</source>
        <translation>Scollegato (Ctrl+D: altro controller)</translation>
    </message>
    <message>
        <source>Another unit (serial %1): nothing read yet</source>
        <translation>Un’altra unità (numero di serie %1): ancora nulla letto</translation>
    </message>
    <message>
        <source>Plugged in: nothing read yet</source>
        <translation>Collegato: ancora nulla letto</translation>
    </message>
    <message>
        <source>The editors keep the set from the file; GetConfig shows what %1 holds</source>
        <extracomment>%1: a controller as &quot;port 1-1, serial 0001&quot;</extracomment>
        <translation>I campi tengono il set del file; «Leggi» mostra cosa contiene la %1</translation>
    </message>
    <message>
        <source>The editors keep the set from the history; GetConfig shows what %1 holds</source>
        <extracomment>%1: a controller as &quot;port 1-1, serial 0001&quot;</extracomment>
        <translation>I campi tengono il set della cronologia; «Leggi» mostra cosa contiene la %1</translation>
    </message>
    <message>
        <source>Your changes for %1, not stored yet, are back in the editors</source>
        <extracomment>%1: a controller as &quot;port 1-1, serial 0001&quot;</extracomment>
        <translation>Le modifiche per la %1, non ancora scritte, sono di nuovo nei campi</translation>
    </message>
    <message>
        <source>Reading the set of %1...</source>
        <extracomment>%1: a controller as &quot;port 1-1, serial 0001&quot;</extracomment>
        <translation>Lettura del set della %1…</translation>
    </message>
</context>
</TS>
