<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>ControllerChooser</name>
    <message>
        <source>Choose a controller</source>
        <translation>Choisir un contrôleur</translation>
    </message>
    <message>
        <source>Controllers plugged in</source>
        <translation>Contrôleurs branchés</translation>
    </message>
    <message>
        <source>Work with this controller</source>
        <translation>Travailler avec ce contrôleur</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Status line</source>
        <translation>Ligne d’état</translation>
    </message>
    <message>
        <source>The parameter set kept in &quot;%1&quot; could not be read at start. Replace it with the present set?</source>
        <translation>Le jeu de paramètres conservé dans «&#xa0;%1&#xa0;» n’a pas pu être lu au démarrage. Le remplacer par le jeu actuel&#xa0;?</translation>
    </message>
    <message>
        <source>Cancel keeps the file as it is.</source>
        <translation>Annuler laisse le fichier tel quel.</translation>
    </message>
    <message>
        <source>Nothing was sent: the parameter set holds values the editors cannot set.</source>
        <translation>Rien n’a été envoyé&#xa0;: le jeu de paramètres contient des valeurs que les champs ne peuvent pas régler.</translation>
    </message>
    <message>
        <source>Would you decide to store or save?</source>
        <translation>Écrire le jeu dans le contrôleur&#xa0;?</translation>
    </message>
    <message>
        <source>Another controller was plugged in while you were asked; nothing was sent.</source>
        <translation>Un autre contrôleur a été branché pendant que la question était affichée&#xa0;; rien n’a été envoyé.</translation>
    </message>
    <message>
        <source>The controller&apos;s set changed while you were asked; nothing was sent.</source>
        <translation>Le jeu du contrôleur a changé pendant la question&#xa0;; rien n’a été envoyé.</translation>
    </message>
    <message>
        <source>Controller: %1</source>
        <translation>Contrôleur&#xa0;: %1</translation>
    </message>
    <message>
        <source>The controller was reset to its factory settings since it was last read; the editors still show the set from before, and OK stores that set. GetConfig shows what it holds now.</source>
        <translation>Le contrôleur a été remis aux réglages d’usine depuis sa dernière lecture&#xa0;; les champs montrent encore le jeu d’avant, et OK écrit ce jeu dans le contrôleur. «&#xa0;Lire&#xa0;» montre ce qu’il contient maintenant.</translation>
    </message>
    <message>
        <source>The set is the one last read from the controller.</source>
        <translation>Le jeu est celui lu en dernier dans le contrôleur.</translation>
    </message>
    <message>
        <source>Changes to the set last read from the controller:</source>
        <translation>Modifications par rapport au jeu lu en dernier dans le contrôleur&#xa0;:</translation>
    </message>
    <message>
        <source>Warning: %1</source>
        <translation>Attention&#xa0;: %1</translation>
    </message>
    <message>
        <source>The window cannot show these values of the parameter set; their editors still show earlier settings, and Store/Save will not send the set as it is:</source>
        <translation>La fenêtre ne peut pas afficher ces valeurs du jeu de paramètres&#xa0;; leurs champs montrent encore les réglages précédents, et «&#xa0;Écrire&#xa0;» n’enverra pas le jeu tel quel&#xa0;:</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Enreg. sous</translation>
    </message>
    <message>
        <source>The file already exists. Would you overwrite it?</source>
        <translation>Le fichier existe déjà. Voulez-vous le remplacer&#xa0;?</translation>
    </message>
    <message>
        <source>Cruise Controller Programming User Interface Ver_1.0</source>
        <translation>Programmation du contrôleur – Interface utilisateur Ver_1.0</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Store/Save</source>
        <translation>Écrire</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Configurable Parameter</source>
        <translation>Paramètres réglables</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>Commandes</translation>
    </message>
    <message>
        <source>Brake</source>
        <translation>Frein</translation>
    </message>
    <message>
        <source>REV</source>
        <translation>AR</translation>
    </message>
    <message>
        <source>FWD</source>
        <translation>AV</translation>
    </message>
    <message>
        <source>Motor Type</source>
        <translation>Type de moteur</translation>
    </message>
    <message>
        <source>PAS</source>
        <translation>PAS (assistance au pédalage)</translation>
    </message>
    <message>
        <source>Motor Voltage</source>
        <translation>Tension du moteur</translation>
    </message>
    <message>
        <source>Max Current</source>
        <translation>Courant max.</translation>
    </message>
    <message>
        <source>Regen Brake:</source>
        <translation>Frein régén.&#xa0;:</translation>
    </message>
    <message>
        <source>Unimm</source>
        <translation>Différé</translation>
    </message>
    <message>
        <source>Reversion when motor&apos;s speed is &quot;zero&quot;</source>
        <translation>Inversion quand la vitesse du moteur est «&#xa0;nulle&#xa0;»</translation>
    </message>
    <message>
        <source>Immed</source>
        <translation>Direct</translation>
    </message>
    <message>
        <source>Reversion immediately</source>
        <translation>Inversion immédiate</translation>
    </message>
    <message>
        <source>Speed Scale:</source>
        <translation>Échelle vit.&#xa0;:</translation>
    </message>
    <message>
        <source>Reversion Speed Scale</source>
        <translation>Échelle de vitesse de l’inversion</translation>
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
        <translation>Mode&#xa0;:</translation>
    </message>
    <message>
        <source>Reversion Mode</source>
        <translation>Mode d’inversion</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Inactif</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Actif</translation>
    </message>
    <message>
        <source>BLDC (brushless)</source>
        <translation>BLDC (s. balais)</translation>
    </message>
    <message>
        <source>DC (brushed)</source>
        <translation>CC (à balais)</translation>
    </message>
    <message>
        <source>Phase ..</source>
        <translation>Phase ..</translation>
    </message>
    <message>
        <source>Phase Angle:</source>
        <translation>Angle de phase&#xa0;:</translation>
    </message>
    <message>
        <source>Direction:</source>
        <translation>Sens&#xa0;:</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Fort</translation>
    </message>
    <message>
        <source>Mid</source>
        <translation>Moy</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Bas</translation>
    </message>
    <message>
        <source>Level:</source>
        <translation>Niv.&#xa0;:</translation>
    </message>
    <message>
        <source>Peak:</source>
        <translation>Crête&#xa0;:</translation>
    </message>
    <message>
        <source>Continuous:</source>
        <translation>Permanent&#xa0;:</translation>
    </message>
    <message>
        <source>Factory Setting</source>
        <translation>Régl. usine</translation>
    </message>
    <message>
        <source>Factory_Setting</source>
        <translation>Réglages d’usine</translation>
    </message>
    <message>
        <source>GetConfig</source>
        <translation>Lire</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Déconnecter</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Connecter</translation>
    </message>
    <message>
        <source>File</source>
        <comment>full wording</comment>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Store/Save</source>
        <comment>full wording</comment>
        <translation>Écrire dans le contrôleur</translation>
    </message>
    <message>
        <source>Exit</source>
        <comment>full wording</comment>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Configurable Parameter</source>
        <comment>full wording</comment>
        <translation>Paramètres réglables</translation>
    </message>
    <message>
        <source>Command</source>
        <comment>full wording</comment>
        <translation>Commandes</translation>
    </message>
    <message>
        <source>Save As</source>
        <comment>full wording</comment>
        <translation>Enregistrer sous</translation>
    </message>
    <message>
        <source>Open</source>
        <comment>full wording</comment>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Brake</source>
        <comment>full wording</comment>
        <translation>Frein</translation>
    </message>
    <message>
        <source>REV</source>
        <comment>full wording</comment>
        <translation>Arrière</translation>
    </message>
    <message>
        <source>FWD</source>
        <comment>full wording</comment>
        <translation>Avant</translation>
    </message>
    <message>
        <source>Motor Type</source>
        <comment>full wording</comment>
        <translation>Type de moteur</translation>
    </message>
    <message>
        <source>PAS</source>
        <comment>full wording</comment>
        <translation>PAS (assistance au pédalage)</translation>
    </message>
    <message>
        <source>Motor Voltage</source>
        <comment>full wording</comment>
        <translation>Tension du moteur</translation>
    </message>
    <message>
        <source>Max Current</source>
        <comment>full wording</comment>
        <translation>Courant maximal</translation>
    </message>
    <message>
        <source>Regen Brake:</source>
        <comment>full wording</comment>
        <translation>Frein régénératif&#xa0;:</translation>
    </message>
    <message>
        <source>Unimm</source>
        <comment>full wording</comment>
        <translation>Différée</translation>
    </message>
    <message>
        <source>Immed</source>
        <comment>full wording</comment>
        <translation>Immédiate</translation>
    </message>
    <message>
        <source>Speed Scale:</source>
        <comment>full wording</comment>
        <translation>Échelle de vitesse&#xa0;:</translation>
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
        <translation>Mode&#xa0;:</translation>
    </message>
    <message>
        <source>Disable</source>
        <comment>full wording</comment>
        <translation>Désactivée</translation>
    </message>
    <message>
        <source>Enable</source>
        <comment>full wording</comment>
        <translation>Activée</translation>
    </message>
    <message>
        <source>BLDC (brushless)</source>
        <comment>full wording</comment>
        <translation>BLDC (sans balais)</translation>
    </message>
    <message>
        <source>DC (brushed)</source>
        <comment>full wording</comment>
        <translation>CC (moteur à balais)</translation>
    </message>
    <message>
        <source>Phase ..</source>
        <comment>full wording</comment>
        <translation>Angle de phase</translation>
    </message>
    <message>
        <source>Direction:</source>
        <comment>full wording</comment>
        <translation>Sens&#xa0;:</translation>
    </message>
    <message>
        <source>High</source>
        <comment>full wording</comment>
        <translation>Fort</translation>
    </message>
    <message>
        <source>Mid</source>
        <comment>full wording</comment>
        <translation>Moyen</translation>
    </message>
    <message>
        <source>Low</source>
        <comment>full wording</comment>
        <translation>Faible</translation>
    </message>
    <message>
        <source>Level:</source>
        <comment>full wording</comment>
        <translation>Niveau&#xa0;:</translation>
    </message>
    <message>
        <source>Peak:</source>
        <comment>full wording</comment>
        <translation>Courant de crête&#xa0;:</translation>
    </message>
    <message>
        <source>Continuous:</source>
        <comment>full wording</comment>
        <translation>Courant permanent&#xa0;:</translation>
    </message>
    <message>
        <source>Factory Setting</source>
        <comment>full wording</comment>
        <translation>Réglages d’usine</translation>
    </message>
    <message>
        <source>GetConfig</source>
        <comment>full wording</comment>
        <translation>Lire la configuration</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <comment>full wording</comment>
        <translation>Déconnecter</translation>
    </message>
    <message>
        <source>Connect</source>
        <comment>full wording</comment>
        <translation>Connecter</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Message</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>writes %1 into byte %2</source>
        <translation>écrit %1 dans l’octet %2</translation>
    </message>
    <message>
        <source>writes %1 into the bits %2 of byte %3</source>
        <translation>écrit %1 dans les bits %2 de l’octet %3</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 à %2</translation>
    </message>
    <message>
        <source> (%1% to %2%)</source>
        <translation> (%1 % à %2 %)</translation>
    </message>
    <message>
        <source>the position</source>
        <translation>la position</translation>
    </message>
    <message>
        <source>the number</source>
        <translation>le nombre</translation>
    </message>
    <message>
        <source>%1: %2; writes %3 into byte %4</source>
        <translation>%1&#xa0;: %2&#xa0;; écrit %3 dans l’octet %4</translation>
    </message>
    <message>
        <source>, %1 as 0</source>
        <translation>, %1 pour 0</translation>
    </message>
    <message>
        <source>Reversion mode and speed scale</source>
        <translation>Mode et échelle de vitesse de l’inversion</translation>
    </message>
    <message>
        <source>No controller is plugged into port %1.</source>
        <translation>Aucun contrôleur n’est branché sur le port %1.</translation>
    </message>
    <message>
        <source>No controller is plugged into port %1. Controllers are plugged into %2; Ctrl+D chooses one.</source>
        <translation>Aucun contrôleur n’est branché sur le port %1. Des contrôleurs sont branchés sur %2&#xa0;; Ctrl+D permet d’en choisir un.</translation>
    </message>
    <message>
        <source>Several controllers are plugged in. This window works with the one in %1; choose another here, or later with Ctrl+D.</source>
        <extracomment>%1: a controller as &quot;port 1-1, serial 0001&quot;</extracomment>
        <translation>Plusieurs contrôleurs sont branchés. Cette fenêtre travaille avec celui du %1&#xa0;; choisissez-en un autre ici, ou plus tard avec Ctrl+D.</translation>
    </message>
    <message>
        <source>The controller in %1 has serial %2: its arrivals are not recognised by name (serial %3 is), so the window finds it by looking after any device comes or goes.</source>
        <extracomment>%1: a bare USB port such as 1-1 (without the word &quot;port&quot;); %2, %3: serial numbers</extracomment>
        <translation>Le contrôleur du port %1 a le numéro de série %2&#xa0;: son branchement n’est pas reconnu par son nom (seul le numéro %3 l’est)&#xa0;; la fenêtre le trouve donc en regardant chaque fois qu’un appareil arrive ou part.</translation>
    </message>
    <message>
        <source>No controller is linked to this window: OK sends nothing.</source>
        <translation>Aucun contrôleur n’est relié à cette fenêtre&#xa0;: OK n’envoie rien.</translation>
    </message>
    <message>
        <source>The set in the editors was read from the controller plugged into this port before.</source>
        <translation>Le jeu des champs a été lu du contrôleur branché auparavant sur ce port.</translation>
    </message>
    <message>
        <source>The set in the editors was read from another controller: %1.</source>
        <translation>Le jeu des champs a été lu d’un autre contrôleur&#xa0;: %1.</translation>
    </message>
    <message>
        <source>The set in the editors comes from the file %1.</source>
        <translation>Le jeu des champs vient du fichier %1.</translation>
    </message>
    <message>
        <source>Another program changed this controller&apos;s set since the window last read it; GetConfig shows what it holds now.</source>
        <translation>Un autre programme a modifié le jeu de ce contrôleur depuis la dernière lecture de la fenêtre&#xa0;; «&#xa0;Lire&#xa0;» montre ce qu’il contient maintenant.</translation>
    </message>
    <message>
        <source>Choose the controller this window works with.</source>
        <translation>Choisissez le contrôleur avec lequel cette fenêtre travaille.</translation>
    </message>
    <message>
        <source>%1 (this window&apos;s)</source>
        <translation>%1 (celui de cette fenêtre)</translation>
    </message>
    <message>
        <source>No controller is plugged in.</source>
        <translation>Aucun contrôleur n’est branché.</translation>
    </message>
    <message>
        <source>reset %1</source>
        <translation>réinitialisé le %1</translation>
    </message>
    <message>
        <source>stored %1: %2</source>
        <translation>écrit le %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>read %1: %2</source>
        <translation>lu le %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1, unplugged</source>
        <translation>%1, débranché</translation>
    </message>
    <message>
        <source>no controller</source>
        <translation>pas de contrôleur</translation>
    </message>
    <message>
        <source>Choose controller…</source>
        <translation>Choisir le contrôleur…</translation>
    </message>
    <message>
        <source>REV</source>
        <comment>frame: reverse driving</comment>
        <translation>Marche arrière</translation>
    </message>
    <message>
        <source>FWD</source>
        <comment>frame: forward driving</comment>
        <translation>Marche avant</translation>
    </message>
    <message>
        <source> [demo]</source>
        <translation> [démo]</translation>
    </message>
    <message>
        <source>%1: %2; %3</source>
        <translation>%1&#xa0;: %2&#xa0;; %3</translation>
    </message>
    <message>
        <source>QKFile(*.qkf)</source>
        <translation>Fichier de paramètres (*.qkf)</translation>
    </message>
    <message>
        <source>The set in the editors comes from the history, %1.</source>
        <translation>Le jeu des champs vient de l’historique, %1.</translation>
    </message>
    <message>
        <source>No history is kept in this session.</source>
        <translation>Aucun historique n’est tenu dans cette session.</translation>
    </message>
    <message>
        <source>From the history: %1 %2, port %3</source>
        <translation>De l’historique&#xa0;: %1 le %2, port %3</translation>
    </message>
    <message>
        <source>History…</source>
        <translation>Historique…</translation>
    </message>
    <message>
        <source>The set is the one the history last kept of this controller (%1).</source>
        <translation>Le jeu est celui que l’historique a gardé en dernier pour ce contrôleur (%1).</translation>
    </message>
    <message>
        <source>Changes to the set the history last kept of this controller (%1):</source>
        <translation>Modifications par rapport au jeu gardé en dernier par l’historique pour ce contrôleur (%1)&#xa0;:</translation>
    </message>
    <message>
        <source>A click here, or Ctrl+D, chooses the controller this window works with</source>
        <translation>Un clic ici, ou Ctrl+D, choisit le contrôleur avec lequel cette fenêtre travaille</translation>
    </message>
    <message>
        <source>%1 entries of the history could not be kept: %2</source>
        <translation>%1 entrées de l’historique n’ont pas pu être conservées&#xa0;: %2</translation>
    </message>
    <message>
        <source>The history could not keep what was just read, stored or reset (%1). The controller has it as the status line says; only the history&apos;s record of it is missing.</source>
        <translation>L’historique n’a pas pu conserver ce qui vient d’être lu, écrit ou réinitialisé (%1). Le contrôleur l’a comme l’indique la barre d’état&#xa0;; seule la trace dans l’historique manque.</translation>
    </message>
    <message>
        <source>The editors hold changes that were not stored. Read the controller&apos;s set and drop them?</source>
        <translation>Les champs contiennent des modifications qui n’ont pas été écrites. Lire le jeu du contrôleur et les abandonner&#xa0;?</translation>
    </message>
    <message>
        <source>Cancel keeps the changes in the editors.</source>
        <translation>Annuler garde les modifications dans les champs.</translation>
    </message>
    <message>
        <source>Nothing has been read from this controller since it was plugged in: what it holds is not known. GetConfig shows it.</source>
        <translation>Rien n’a été lu dans ce contrôleur depuis son branchement&#xa0;: son contenu n’est pas connu. «&#xa0;Lire&#xa0;» le montre.</translation>
    </message>
    <message>
        <source>Another program stored a set into this controller since the window last read it; the changes below are against the set it holds now.</source>
        <translation>Un autre programme a écrit un jeu dans ce contrôleur depuis la dernière lecture de la fenêtre&#xa0;; les modifications ci-dessous se rapportent au jeu qu’il contient maintenant.</translation>
    </message>
    <message>
        <source>history entries waiting: %1</source>
        <translation>entrées d’historique en attente&#xa0;: %1</translation>
    </message>
    <message>
        <source>Unit: %1</source>
        <extracomment>%1: the bike, frame or order number the controller belongs to</extracomment>
        <translation>Unité&#xa0;: %1</translation>
    </message>
    <message>
        <source>Unit…</source>
        <translation>Unité…</translation>
    </message>
    <message>
        <source>unit %1</source>
        <extracomment>%1: the bike, frame or order number the controller belongs to</extracomment>
        <translation>unité %1</translation>
    </message>
    <message>
        <source>Plug in the controller first: a unit belongs to the controller this window works with.</source>
        <translation>Branchez d’abord le contrôleur&#xa0;: une unité appartient au contrôleur avec lequel travaille cette fenêtre.</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Unité</translation>
    </message>
    <message>
        <source>The unit of %1 (bike, frame or order number), kept with every entry of it; scan or type it, or leave it empty:</source>
        <translation>L’unité de %1 (vélo, cadre ou numéro de commande), gardée avec chacune de ses entrées&#xa0;; scannez-la ou tapez-la, ou laissez-la vide&#xa0;:</translation>
    </message>
    <message>
        <source>A unit is text of at most 64 bytes without control characters; the unit stays as it was.</source>
        <translation>Une unité est un texte de 64 octets au plus sans caractères de contrôle&#xa0;; l’unité reste telle qu’elle était.</translation>
    </message>
</context>
<context>
    <name>HistoryView</name>
    <message>
        <source>read</source>
        <comment>event</comment>
        <translation>lu</translation>
    </message>
    <message>
        <source>stored</source>
        <comment>event</comment>
        <translation>écrit</translation>
    </message>
    <message>
        <source>reset</source>
        <comment>event</comment>
        <translation>réinitialisé</translation>
    </message>
    <message>
        <source>entry @%1: %2 %3, %4</source>
        <translation>entrée @%1&#xa0;: %2 le %3, %4</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historique</translation>
    </message>
    <message>
        <source>&amp;All controllers</source>
        <translation>&amp;Tous les contrôleurs</translation>
    </message>
    <message>
        <source>History entries</source>
        <translation>Entrées de l’historique</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Événement</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programme</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>N° de série</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>Modifications</translation>
    </message>
    <message>
        <source>Comparison</source>
        <translation>Comparaison</translation>
    </message>
    <message>
        <source>Select an entry (Ctrl+click or Shift+arrow for two) and compare it.</source>
        <translation>Choisissez une entrée (Ctrl+clic ou Maj+flèche pour deux) et comparez-la.</translation>
    </message>
    <message>
        <source>With the &amp;editors</source>
        <translation>Avec les &amp;champs</translation>
    </message>
    <message>
        <source>With the &amp;last read</source>
        <translation>Avec la &amp;dernière lecture</translation>
    </message>
    <message>
        <source>With the &amp;port&apos;s set before</source>
        <translation>Avec le jeu &amp;précédent du port</translation>
    </message>
    <message>
        <source>The t&amp;wo selected</source>
        <translation>Les d&amp;eux choisies</translation>
    </message>
    <message>
        <source>Compare:</source>
        <translation>Comparer&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Take into the editors</source>
        <translation>&amp;Reprendre dans les champs</translation>
    </message>
    <message>
        <source>factory settings restored; the set they gave was not read</source>
        <translation>réglages d’usine rétablis&#xa0;; le jeu obtenu n’a pas été lu</translation>
    </message>
    <message>
        <source>plugged in anew: the first set since</source>
        <translation>rebranché&#xa0;: le premier jeu depuis</translation>
    </message>
    <message>
        <source>the first set kept of this controller</source>
        <translation>le premier jeu gardé de ce contrôleur</translation>
    </message>
    <message>
        <source>no changes</source>
        <translation>aucune modification</translation>
    </message>
    <message>
        <source>Nothing has been kept yet.</source>
        <translation>Rien n’a encore été gardé.</translation>
    </message>
    <message>
        <source>The history cannot be kept: %1</source>
        <translation>L’historique ne peut pas être tenu&#xa0;: %1</translation>
    </message>
    <message>
        <source>From %1
to %2:</source>
        <translation>De&#xa0;: %1
À&#xa0;: %2&#xa0;:</translation>
    </message>
    <message>
        <source>No differences.</source>
        <translation>Aucune différence.</translation>
    </message>
    <message>
        <source>the editors</source>
        <translation>les champs</translation>
    </message>
    <message>
        <source>Nothing has been read from the window&apos;s controller since it was plugged in.</source>
        <translation>Rien n’a été lu du contrôleur de cette fenêtre depuis son branchement.</translation>
    </message>
    <message>
        <source>the set last read from the window&apos;s controller</source>
        <translation>le dernier jeu lu du contrôleur de cette fenêtre</translation>
    </message>
    <message>
        <source>Nothing was kept of this port before this entry.</source>
        <translation>Rien n’a été gardé de ce port avant cette entrée.</translation>
    </message>
    <message>
        <source>Every set read, stored or reset, of all controllers.</source>
        <translation>Chaque jeu lu, écrit ou réinitialisé, de tous les contrôleurs.</translation>
    </message>
    <message>
        <source>Every set read, stored or reset, of %1.</source>
        <extracomment>%1: a controller as &quot;port 1-1, serial 0001&quot;</extracomment>
        <translation>Chaque jeu lu, écrit ou réinitialisé du %1.</translation>
    </message>
    <message>
        <source>Only the newest %1 of %2 entries are listed; vt350ctl history lists them all.</source>
        <translation>Seules les %1 entrées les plus récentes sur %2 sont listées&#xa0;; vt350ctl history les liste toutes.</translation>
    </message>
    <message>
        <source>The history could not be read whole (%1); the list is filled in as soon as it can be.</source>
        <translation>L’historique n’a pas pu être lu en entier (%1)&#xa0;; la liste sera complétée dès que possible.</translation>
    </message>
    <message>
        <source>Oldest first.</source>
        <translation>Les plus anciennes d’abord.</translation>
    </message>
    <message>
        <source>Newest first.</source>
        <translation>Les plus récentes d’abord.</translation>
    </message>
    <message>
        <source>Sorted by %1; newest first within each.</source>
        <translation>Trié par %1&#xa0;; les plus récentes d’abord dans chaque groupe.</translation>
    </message>
    <message>
        <source>The history folder is on a network file system (%1): programs on other machines that use it can damage it. Keep it on a local disk.</source>
        <translation>Le dossier de l’historique se trouve sur un système de fichiers réseau (%1)&#xa0;: les programmes d’autres machines qui l’utilisent peuvent l’endommager. Gardez-le sur un disque local.</translation>
    </message>
    <message>
        <source>&amp;Unit %1, every bench and controller</source>
        <extracomment>%1: the bike, frame or order number the window&apos;s controller belongs to</extracomment>
        <translation>&amp;Unité %1, tous les postes et contrôleurs</translation>
    </message>
    <message>
        <source>, bench %1</source>
        <extracomment>%1: the name of the bench (the workshop&apos;s computer) that kept the entry</extracomment>
        <translation>, poste %1</translation>
    </message>
    <message>
        <source>Bench</source>
        <translation>Poste</translation>
    </message>
    <message>
        <source>Every set read, stored or reset, of unit %1, from every bench that sends to the shared record; each against the unit&apos;s set before it.</source>
        <extracomment>%1: the bike, frame or order number</extracomment>
        <translation>Chaque jeu lu, écrit ou réinitialisé, de l’unité %1, de tous les postes qui envoient au registre partagé&#xa0;; chacun comparé au jeu précédent de l’unité.</translation>
    </message>
    <message>
        <source>Every set read, stored or reset, of unit %1 on this bench.</source>
        <translation>Chaque jeu lu, écrit ou réinitialisé, de l’unité %1 sur ce poste.</translation>
    </message>
    <message>
        <source>The shared record cannot be read (%1).</source>
        <translation>Le registre partagé ne peut pas être lu (%1).</translation>
    </message>
    <message>
        <source>Reading the other benches&apos; from the shared record…</source>
        <translation>Lecture des entrées des autres postes dans le registre partagé…</translation>
    </message>
    <message>
        <source>the first set kept of this unit</source>
        <translation>le premier jeu gardé de cette unité</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>The file &quot;%1&quot; does not exist.</source>
        <translation>Le fichier «&#xa0;%1&#xa0;» n’existe pas.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; holds %2 bytes, but a parameter file holds 15; nothing was loaded.</source>
        <translation>Le fichier «&#xa0;%1&#xa0;» contient %2 octets, mais un fichier de paramètres en contient 15&#xa0;; rien n’a été chargé.</translation>
    </message>
    <message>
        <source>Could not open the file &quot;%1&quot;: %2.</source>
        <translation>Impossible d’ouvrir le fichier «&#xa0;%1&#xa0;»&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Could not read the file &quot;%1&quot;: %2.</source>
        <translation>Impossible de lire le fichier «&#xa0;%1&#xa0;»&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Could not write the file &quot;%1&quot;: %2.</source>
        <translation>Impossible d’écrire le fichier «&#xa0;%1&#xa0;»&#xa0;: %2.</translation>
    </message>
    <message>
        <source>It may now hold parts of the old and the new set.</source>
        <translation>Il peut maintenant contenir des parties de l’ancien et du nouveau jeu.</translation>
    </message>
    <message>
        <source>Peak current %1 is below the continuous current %2</source>
        <translation>le courant de crête %1 est inférieur au courant permanent %2</translation>
    </message>
    <message>
        <source>%1: %2 is outside %3 to %4</source>
        <translation>%1&#xa0;: %2 est hors de %3 à %4</translation>
    </message>
    <message>
        <source> or </source>
        <translation> ou </translation>
    </message>
    <message>
        <source>%1: %2; the editor offers %3</source>
        <translation>%1&#xa0;: %2&#xa0;; le champ propose %3</translation>
    </message>
    <message>
        <source>Could not attach to PnP node</source>
        <translation>Impossible de se rattacher au nœud PnP</translation>
    </message>
    <message>
        <source>Could not get the name of this HID device</source>
        <translation>Impossible d’obtenir le nom de ce périphérique HID</translation>
    </message>
    <message>
        <source>Could not open HID device</source>
        <translation>Impossible d’ouvrir le périphérique HID</translation>
    </message>
    <message>
        <source>Errorcode = [%1]</source>
        <translation>Code d’erreur = [%1]</translation>
    </message>
    <message>
        <source>Send Command Error</source>
        <translation>Erreur d’envoi de la commande</translation>
    </message>
    <message>
        <source>Send Data Error</source>
        <translation>Erreur d’envoi des données</translation>
    </message>
    <message>
        <source>RegisterDeviceNotification failed</source>
        <translation>RegisterDeviceNotification a échoué</translation>
    </message>
    <message>
        <source>Please enter valid numerical data</source>
        <translation>Veuillez saisir des nombres valides</translation>
    </message>
    <message>
        <source>Please enter valid  numerical data</source>
        <translation>Veuillez saisir des nombres valides</translation>
    </message>
    <message>
        <source>serial %1</source>
        <translation>numéro de série %1</translation>
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
        <translation>BLDC (sans balais)</translation>
    </message>
    <message>
        <source>DC (brushed)</source>
        <translation>CC (à balais)</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Faible</translation>
    </message>
    <message>
        <source>Mid</source>
        <translation>Moyen</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Fort</translation>
    </message>
    <message>
        <source>REV</source>
        <translation>Arrière</translation>
    </message>
    <message>
        <source>FWD</source>
        <translation>Avant</translation>
    </message>
    <message>
        <source>disabled</source>
        <translation>désactivée</translation>
    </message>
    <message>
        <source>enabled</source>
        <translation>activée</translation>
    </message>
    <message>
        <source>Unimm (at zero speed)</source>
        <translation>Différée (à vitesse nulle)</translation>
    </message>
    <message>
        <source>Immed (immediately)</source>
        <translation>Immédiate</translation>
    </message>
    <message>
        <source>Regenerative brake</source>
        <translation>Frein régénératif</translation>
    </message>
    <message>
        <source>Motor flag bits 1-6</source>
        <translation>Bits d’option moteur 1–6</translation>
    </message>
    <message>
        <source>Reserved bytes</source>
        <translation>Octets réservés</translation>
    </message>
    <message>
        <source>Continuous current</source>
        <translation>Courant permanent</translation>
    </message>
    <message>
        <source>Peak current</source>
        <translation>Courant de crête</translation>
    </message>
    <message>
        <source>Motor voltage</source>
        <translation>Tension du moteur</translation>
    </message>
    <message>
        <source>Motor type</source>
        <translation>Type de moteur</translation>
    </message>
    <message>
        <source>Phase angle</source>
        <translation>Angle de phase</translation>
    </message>
    <message>
        <source>PAS level</source>
        <translation>Niveau PAS</translation>
    </message>
    <message>
        <source>PAS direction</source>
        <translation>Sens PAS</translation>
    </message>
    <message>
        <source>Forward speed scale</source>
        <translation>Échelle de vitesse avant</translation>
    </message>
    <message>
        <source>Reversion</source>
        <translation>Inversion</translation>
    </message>
    <message>
        <source>Reversion mode</source>
        <translation>Mode d’inversion</translation>
    </message>
    <message>
        <source>Reversion speed scale</source>
        <translation>Échelle de vitesse de l’inversion</translation>
    </message>
    <message>
        <source>unknown (code %1)</source>
        <translation>inconnu (code %1)</translation>
    </message>
</context>
<context>
    <name>Status</name>
    <message>
        <source>GetConfig Success</source>
        <translation>Lecture réussie</translation>
    </message>
    <message>
        <source>Connect Success</source>
        <translation>Connexion réussie</translation>
    </message>
    <message>
        <source>Disconnect Success</source>
        <translation>Déconnexion réussie</translation>
    </message>
    <message>
        <source>Restore Success</source>
        <translation>Réglages d’usine rétablis</translation>
    </message>
    <message>
        <source>Load Success</source>
        <translation>Écriture réussie</translation>
    </message>
    <message>
        <source>Load Error</source>
        <translation>Erreur d’écriture</translation>
    </message>
    <message>
        <source>GetConfig Error</source>
        <translation>Erreur de lecture</translation>
    </message>
    <message>
        <source>No answer</source>
        <translation>Pas de réponse</translation>
    </message>
    <message>
        <source>No controller</source>
        <translation>Pas de contrôleur</translation>
    </message>
    <message>
        <source>Not sent</source>
        <translation>Non envoyé</translation>
    </message>
    <message>
        <source>Read by another program</source>
        <translation>Lu par un autre programme</translation>
    </message>
    <message>
        <source>Stored by another program</source>
        <translation>Écrit par un autre programme</translation>
    </message>
    <message>
        <source>Reset by another program</source>
        <translation>Réinitialisé par un autre programme</translation>
    </message>
    <message>
        <source>Unplugged</source>
        <translation>Débranché</translation>
    </message>
    <message>
        <source>Stored by another program; your changes stay in the editors</source>
        <translation>Écrit par un autre programme&#xa0;; vos modifications restent dans les champs</translation>
    </message>
    <message>
        <source>Read by another program; your changes stay in the editors</source>
        <translation>Lu par un autre programme&#xa0;; vos modifications restent dans les champs</translation>
    </message>
    <message>
        <source>The editors show the set of %1</source>
        <extracomment>%1: a controller as &quot;port 1-1, serial 0001&quot;</extracomment>
        <translation>Les champs montrent le jeu du %1</translation>
    </message>
    <message>
        <source>Unplugged (Ctrl+D: another controller)</source>
        <translation>Débranché (Ctrl+D&#xa0;: autre contrôleur)</translation>
    </message>
    <message>
        <source>Another unit (serial %1): nothing read yet</source>
        <translation>Une autre unité (numéro de série %1)&#xa0;: rien n’a encore été lu</translation>
    </message>
    <message>
        <source>Plugged in: nothing read yet</source>
        <translation>Branché&#xa0;: rien n’a encore été lu</translation>
    </message>
    <message>
        <source>The editors keep the set from the file; GetConfig shows what %1 holds</source>
        <extracomment>%1: a controller as &quot;port 1-1, serial 0001&quot;</extracomment>
        <translation>Les champs gardent le jeu du fichier&#xa0;; «&#xa0;Lire&#xa0;» montre ce que contient le %1</translation>
    </message>
    <message>
        <source>The editors keep the set from the history; GetConfig shows what %1 holds</source>
        <extracomment>%1: a controller as &quot;port 1-1, serial 0001&quot;</extracomment>
        <translation>Les champs gardent le jeu de l’historique&#xa0;; «&#xa0;Lire&#xa0;» montre ce que contient le %1</translation>
    </message>
    <message>
        <source>Your changes for %1, not stored yet, are back in the editors</source>
        <extracomment>%1: a controller as &quot;port 1-1, serial 0001&quot;</extracomment>
        <translation>Vos modifications pour le %1, pas encore écrites, sont de retour dans les champs</translation>
    </message>
    <message>
        <source>Reading the set of %1...</source>
        <extracomment>%1: a controller as &quot;port 1-1, serial 0001&quot;</extracomment>
        <translation>Lecture du jeu du %1…</translation>
    </message>
</context>
</TS>
