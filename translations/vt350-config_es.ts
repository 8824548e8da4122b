<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>ControllerChooser</name>
    <message>
        <source>Choose a controller</source>
        <translation>Elegir un controlador</translation>
    </message>
    <message>
        <source>Controllers plugged in</source>
        <translation>Controladores conectados</translation>
    </message>
    <message>
        <source>Work with this controller</source>
        <translation>Trabajar con este controlador</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Status line</source>
        <translation>Línea de estado</translation>
    </message>
    <message>
        <source>The parameter set kept in &quot;%1&quot; could not be read at start. Replace it with the present set?</source>
        <translation>El juego de parámetros guardado en «%1» no se pudo leer al iniciar. ¿Reemplazarlo por el juego actual?</translation>
    </message>
    <message>
        <source>Cancel keeps the file as it is.</source>
        <translation>Cancelar deja el archivo como está.</translation>
    </message>
    <message>
        <source>Nothing was sent: the parameter set holds values the editors cannot set.</source>
        <translation>No se envió nada: el juego de parámetros contiene valores que los campos no pueden ajustar.</translation>
    </message>
    <message>
        <source>Would you decide to store or save?</source>
        <translation>¿Grabar el juego en el controlador?</translation>
    </message>
    <message>
        <source>Another controller was plugged in while you were asked; nothing was sent.</source>
        <translation>Se conectó otro controlador mientras se le preguntaba; no se envió nada.</translation>
    </message>
    <message>
        <source>The controller&apos;s set changed while you were asked; nothing was sent.</source>
        <translation>El juego del controlador cambió mientras se le preguntaba; no se envió nada.</translation>
    </message>
    <message>
        <source>Controller: %1</source>
        <translation>Controlador: %1</translation>
    </message>
    <message>
        <source>The controller was reset to its factory settings since it was last read; the editors still show the set from before, and OK stores that set. GetConfig shows what it holds now.</source>
        <translation>El controlador volvió a los valores de fábrica desde la última lectura; los campos aún muestran el juego anterior, y Aceptar graba ese juego en el controlador. «Leer» muestra lo que contiene ahora.</translation>
    </message>
    <message>
        <source>The set is the one last read from the controller.</source>
        <translation>El juego es el último leído del controlador.</translation>
    </message>
    <message>
        <source>Changes to the set last read from the controller:</source>
        <translation>Cambios respecto al último juego leído del controlador:</translation>
    </message>
    <message>
        <source>Warning: %1</source>
        <translation>Atención: %1</translation>
    </message>
    <message>
        <source>The window cannot show these values of the parameter set; their editors still show earlier settings, and Store/Save will not send the set as it is:</source>
        <translation>La ventana no puede mostrar estos valores del juego de parámetros; sus campos aún muestran ajustes anteriores, y «Grabar» no enviará el juego así:</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Guard. como</translation>
    </message>
    <message>
        <source>The file already exists. Would you overwrite it?</source>
        <translation>El archivo ya existe. ¿Desea sobrescribirlo?</translation>
    </message>
    <message>
        <source>Cruise Controller Programming User Interface Ver_1.0</source>
        <translation>Programación del controlador – Interfaz de usuario Ver_1.0</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Store/Save</source>
        <translation>Grabar</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Configurable Parameter</source>
        <translation>Parámetros ajustables</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>Órdenes</translation>
    </message>
    <message>
        <source>Brake</source>
        <translation>Freno</translation>
    </message>
    <message>
        <source>REV</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>FWD</source>
        <translation>Adel.</translation>
    </message>
    <message>
        <source>Motor Type</source>
        <translation>Tipo de motor</translation>
    </message>
    <message>
        <source>PAS</source>
        <translation>PAS (asistencia al pedaleo)</translation>
    </message>
    <message>
        <source>Motor Voltage</source>
        <translation>Tensión del motor</translation>
    </message>
    <message>
        <source>Max Current</source>
        <translation>Corriente máx.</translation>
    </message>
    <message>
        <source>Regen Brake:</source>
        <translation>Freno regen.:</translation>
    </message>
    <message>
        <source>Unimm</source>
        <translation>Difer.</translation>
    </message>
    <message>
        <source>Reversion when motor&apos;s speed is &quot;zero&quot;</source>
        <translation>Inversión cuando la velocidad del motor es «cero»</translation>
    </message>
    <message>
        <source>Immed</source>
        <translation>Inmed.</translation>
    </message>
    <message>
        <source>Reversion immediately</source>
        <translation>Inversión inmediata</translation>
    </message>
    <message>
        <source>Speed Scale:</source>
        <translation>Escala vel.:</translation>
    </message>
    <message>
        <source>Reversion Speed Scale</source>
        <translation>Escala de velocidad de la inversión</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>Mín</translation>
    </message>
    <message>
        <source>Max</source>
        <translation>Máx</translation>
    </message>
    <message>
        <source>Mode:</source>
        <translation>Modo:</translation>
    </message>
    <message>
        <source>Reversion Mode</source>
        <translation>Modo de inversión</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>BLDC (brushless)</source>
        <translation>BLDC (sin escob.)</translation>
    </message>
    <message>
        <source>DC (brushed)</source>
        <translation>CC (escob.)</translation>
    </message>
    <message>
        <source>Phase ..</source>
        <translation>Fase ..</translation>
    </message>
    <message>
        <source>Phase Angle:</source>
        <translation>Ángulo de fase:</translation>
    </message>
    <message>
        <source>Direction:</source>
        <translation>Sentido:</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Alto</translation>
    </message>
    <message>
        <source>Mid</source>
        <translation>Med</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Bajo</translation>
    </message>
    <message>
        <source>Level:</source>
        <translation>Nivel:</translation>
    </message>
    <message>
        <source>Peak:</source>
        <translation>Pico:</translation>
    </message>
    <message>
        <source>Continuous:</source>
        <translation>Nominal:</translation>
    </message>
    <message>
        <source>Factory Setting</source>
        <translation>Val. fábrica</translation>
    </message>
    <message>
        <source>Factory_Setting</source>
        <translation>Valores de fábrica</translation>
    </message>
    <message>
        <source>GetConfig</source>
        <translation>Leer</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Desconectar</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Conectar</translation>
    </message>
    <message>
        <source>File</source>
        <comment>full wording</comment>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Store/Save</source>
        <comment>full wording</comment>
        <translation>Grabar en el controlador</translation>
    </message>
    <message>
        <source>Exit</source>
        <comment>full wording</comment>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Configurable Parameter</source>
        <comment>full wording</comment>
        <translation>Parámetros ajustables</translation>
    </message>
    <message>
        <source>Command</source>
        <comment>full wording</comment>
        <translation>Órdenes</translation>
    </message>
    <message>
        <source>Save As</source>
        <comment>full wording</comment>
        <translation>Guardar como</translation>
    </message>
    <message>
        <source>Open</source>
        <comment>full wording</comment>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Brake</source>
        <comment>full wording</comment>
        <translation>Freno</translation>
    </message>
    <message>
        <source>REV</source>
        <comment>full wording</comment>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>FWD</source>
        <comment>full wording</comment>
        <translation>Adelante</translation>
    </message>
    <message>
        <source>Motor Type</source>
        <comment>full wording</comment>
        <translation>Tipo de motor</translation>
    </message>
    <message>
        <source>PAS</source>
        <comment>full wording</comment>
        <translation>PAS (asistencia al pedaleo)</translation>
    </message>
    <message>
        <source>Motor Voltage</source>
        <comment>full wording</comment>
        <translation>Tensión del motor</translation>
    </message>
    <message>
        <source>Max Current</source>
        <comment>full wording</comment>
        <translation>Corriente máxima</translation>
    </message>
    <message>
        <source>Regen Brake:</source>
        <comment>full wording</comment>
        <translation>Freno regenerativo:</translation>
    </message>
    <message>
        <source>Unimm</source>
        <comment>full wording</comment>
        <translation>Diferida</translation>
    </message>
    <message>
        <source>Immed</source>
        <comment>full wording</comment>
        <translation>Inmediata</translation>
    </message>
    <message>
        <source>Speed Scale:</source>
        <comment>full wording</comment>
        <translation>Escala de velocidad:</translation>
    </message>
    <message>
        <source>Min</source>
        <comment>full wording</comment>
        <translation>Mín</translation>
    </message>
    <message>
        <source>Max</source>
        <comment>full wording</comment>
        <translation>Máx</translation>
    </message>
    <message>
        <source>Mode:</source>
        <comment>full wording</comment>
        <translation>Modo:</translation>
    </message>
    <message>
        <source>Disable</source>
        <comment>full wording</comment>
        <translation>Desactivada</translation>
    </message>
    <message>
        <source>Enable</source>
        <comment>full wording</comment>
        <translation>Activada</translation>
    </message>
    <message>
        <source>BLDC (brushless)</source>
        <comment>full wording</comment>
        <translation>BLDC (sin escobillas)</translation>
    </message>
    <message>
        <source>DC (brushed)</source>
        <comment>full wording</comment>
        <translation>CC (con escobillas)</translation>
    </message>
    <message>
        <source>Phase ..</source>
        <comment>full wording</comment>
        <translation>Ángulo de fase</translation>
    </message>
    <message>
        <source>Direction:</source>
        <comment>full wording</comment>
        <translation>Sentido:</translation>
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
        <translation>Bajo</translation>
    </message>
    <message>
        <source>Level:</source>
        <comment>full wording</comment>
        <translation>Nivel:</translation>
    </message>
    <message>
        <source>Peak:</source>
        <comment>full wording</comment>
        <translation>Corriente de pico:</translation>
    </message>
    <message>
        <source>Continuous:</source>
        <comment>full wording</comment>
        <translation>Corriente nominal:</translation>
    </message>
    <message>
        <source>Factory Setting</source>
        <comment>full wording</comment>
        <translation>Valores de fábrica</translation>
    </message>
    <message>
        <source>GetConfig</source>
        <comment>full wording</comment>
        <translation>Leer la configuración</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <comment>full wording</comment>
        <translation>Desconectar</translation>
    </message>
    <message>
        <source>Connect</source>
        <comment>full wording</comment>
        <translation>Conectar</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Mensaje</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
    <message>
        <source>writes %1 into byte %2</source>
        <translation>escribe %1 en el byte %2</translation>
    </message>
    <message>
        <source>writes %1 into the bits %2 of byte %3</source>
        <translation>escribe %1 en los bits %2 del byte %3</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>de %1 a %2</translation>
    </message>
    <message>
        <source> (%1% to %2%)</source>
        <translation> (%1 % a %2 %)</translation>
    </message>
    <message>
        <source>the position</source>
        <translation>la posición</translation>
    </message>
    <message>
        <source>the number</source>
        <translation>el número</translation>
    </message>
    <message>
        <source>%1: %2; writes %3 into byte %4</source>
        <translation>%1: %2; escribe %3 en el byte %4</translation>
    </message>
    <message>
        <source>, %1 as 0</source>
        <translation>, %1 como 0</translation>
    </message>
    <message>
        <source>Reversion mode and speed scale</source>
        <translation>Modo y escala de velocidad de la inversión</translation>
    </message>
    <message>
        <source>No controller is plugged into port %1.</source>
        <translation>No hay ningún controlador conectado al puerto %1.</translation>
    </message>
    <message>
        <source>No controller is plugged into port %1. Controllers are plugged into %2; Ctrl+D chooses one.</source>
        <translation>No hay ningún controlador conectado al puerto %1. Hay controladores en %2; Ctrl+D elige uno.</translation>
    </message>
    <message>
        <source>Several controllers are plugged in. This window works with the one in %1; choose another here, or later with Ctrl+D.</source>
        <extracomment>%1: a controller as &quot;port 1-1, serial 0001&quot;</extracomment>
        <translation>Hay varios controladores conectados. Esta ventana trabaja con el de %1; elija otro aquí, o más tarde con Ctrl+D.</translation>
    </message>
    <message>
        <source>The controller in %1 has serial %2: its arrivals are not recognised by name (serial %3 is), so the window finds it by looking after any device comes or goes.</source>
        <extracomment>%1: a bare USB port such as 1-1 (without the word &quot;port&quot;); %2, %3: serial numbers</extracomment>
        <translation>El controlador del puerto %1 tiene el número de serie %2: su conexión no se reconoce por el nombre (solo el número %3), así que la ventana lo encuentra mirando cada vez que llega o se va un dispositivo.</translation>
    </message>
    <message>
        <source>No controller is linked to this window: OK sends nothing.</source>
        <translation>No hay ningún controlador vinculado a esta ventana: Aceptar no envía nada.</translation>
    </message>
    <message>
        <source>The set in the editors was read from the controller plugged into this port before.</source>
        <translation>El juego de los campos se leyó del controlador que estaba antes en este puerto.</translation>
    </message>
    <message>
        <source>The set in the editors was read from another controller: %1.</source>
        <translation>El juego de los campos se leyó de otro controlador: %1.</translation>
    </message>
    <message>
        <source>The set in the editors comes from the file %1.</source>
        <translation>El juego de los campos viene del archivo %1.</translation>
    </message>
    <message>
        <source>Another program changed this controller&apos;s set since the window last read it; GetConfig shows what it holds now.</source>
        <translation>Otro programa cambió el juego de este controlador desde la última lectura de la ventana; «Leer» muestra lo que contiene ahora.</translation>
    </message>
    <message>
        <source>Choose the controller this window works with.</source>
        <translation>Elija el controlador con el que trabaja esta ventana.</translation>
    </message>
    <message>
        <source>%1 (this window&apos;s)</source>
        <translation>%1 (el de esta ventana)</translation>
    </message>
    <message>
        <source>No controller is plugged in.</source>
        <translation>No hay ningún controlador conectado.</translation>
    </message>
    <message>
        <source>reset %1</source>
        <translation>restablecido el %1</translation>
    </message>
    <message>
        <source>stored %1: %2</source>
        <translation>grabado el %1: %2</translation>
    </message>
    <message>
        <source>read %1: %2</source>
        <translation>leído el %1: %2</translation>
    </message>
    <message>
        <source>%1, unplugged</source>
        <translation>%1, desenchufado</translation>
    </message>
    <message>
        <source>no controller</source>
        <translation>sin controlador</translation>
    </message>
    <message>
        <source>Choose controller…</source>
        <translation>Elegir controlador…</translation>
    </message>
    <message>
        <source>REV</source>
        <comment>frame: reverse driving</comment>
        <translation>Marcha atrás</translation>
    </message>
    <message>
        <source>FWD</source>
        <comment>frame: forward driving</comment>
        <translation>Marcha adelante</translation>
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
        <translation>Archivo de parámetros (*.qkf)</translation>
    </message>
    <message>
        <source>The set in the editors comes from the history, %1.</source>
        <translation>El juego de los campos viene del historial, %1.</translation>
    </message>
    <message>
        <source>No history is kept in this session.</source>
        <translation>En esta sesión no se lleva historial.</translation>
    </message>
    <message>
        <source>From the history: %1 %2, port %3</source>
        <translation>Del historial: %1 el %2, puerto %3</translation>
    </message>
    <message>
        <source>History…</source>
        <translation>Historial…</translation>
    </message>
    <message>
        <source>The set is the one the history last kept of this controller (%1).</source>
        <translation>El juego es el último que el historial guardó de este controlador (%1).</translation>
    </message>
    <message>
        <source>Changes to the set the history last kept of this controller (%1):</source>
        <translation>Cambios respecto al último juego que el historial guardó de este controlador (%1):</translation>
    </message>
    <message>
        <source>A click here, or Ctrl+D, chooses the controller this window works with</source>
        <translation>Un clic aquí, o Ctrl+D, elige el controlador con el que trabaja esta ventana</translation>
    </message>
    <message>
        <source>%1 entries of the history could not be kept: %2</source>
        <translation>No se pudieron registrar %1 entradas del historial: %2</translation>
    </message>
    <message>
        <source>The history could not keep what was just read, stored or reset (%1). The controller has it as the status line says; only the history&apos;s record of it is missing.</source>
        <translation>El historial no pudo registrar lo que se acaba de leer, grabar o restablecer (%1). El controlador lo tiene tal como dice la barra de estado; solo falta su registro en el historial.</translation>
    </message>
    <message>
        <source>The editors hold changes that were not stored. Read the controller&apos;s set and drop them?</source>
        <translation>Los campos tienen cambios que no se grabaron. ¿Leer el juego del controlador y descartarlos?</translation>
    </message>
    <message>
        <source>Cancel keeps the changes in the editors.</source>
        <translation>Cancelar conserva los cambios en los campos.</translation>
    </message>
    <message>
        <source>Nothing has been read from this controller since it was plugged in: what it holds is not known. GetConfig shows it.</source>
        <translation>No se ha leído nada de este controlador desde que se enchufó: no se sabe qué contiene. «Leer» lo muestra.</translation>
    </message>
    <message>
        <source>Another program stored a set into this controller since the window last read it; the changes below are against the set it holds now.</source>
        <translation>Otro programa grabó un juego en este controlador desde la última lectura de la ventana; los cambios de abajo son respecto al juego que contiene ahora.</translation>
    </message>
    <message>
        <source>history entries waiting: %1</source>
        <translation>entradas del historial en espera: %1</translation>
    </message>
    <message>
        <source>Unit: %1</source>
        <extracomment>%1: the bike, frame or order number the controller belongs to</extracomment>
        <translation>Unidad: %1</translation>
    </message>
    <message>
        <source>Unit…</source>
        <translation>Unidad…</translation>
    </message>
    <message>
        <source>unit %1</source>
        <extracomment>%1: the bike, frame or order number the controller belongs to</extracomment>
        <translation>unidad %1</translation>
    </message>
    <message>
        <source>Plug in the controller first: a unit belongs to the controller this window works with.</source>
        <translation>Conecte primero el controlador: una unidad pertenece al controlador con el que trabaja esta ventana.</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Unidad</translation>
    </message>
    <message>
        <source>The unit of %1 (bike, frame or order number), kept with every entry of it; scan or type it, or leave it empty:</source>
        <translation>La unidad de %1 (bicicleta, cuadro o número de pedido), guardada con cada una de sus entradas; escanéela o escríbala, o déjela vacía:</translation>
    </message>
    <message>
        <source>A unit is text of at most 64 bytes without control characters; the unit stays as it was.</source>
        <translation>Una unidad es un texto de 64 bytes como máximo sin caracteres de control; la unidad queda como estaba.</translation>
    </message>
</context>
<context>
    <name>HistoryView</name>
    <message>
        <source>read</source>
        <comment>event</comment>
        <translation>leído</translation>
    </message>
    <message>
        <source>stored</source>
        <comment>event</comment>
        <translation>grabado</translation>
    </message>
    <message>
        <source>reset</source>
        <comment>event</comment>
        <translation>restablecido</translation>
    </message>
    <message>
        <source>entry @%1: %2 %3, %4</source>
        <translation>entrada @%1: %2 el %3, %4</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historial</translation>
    </message>
    <message>
        <source>&amp;All controllers</source>
        <translation>&amp;Todos los controladores</translation>
    </message>
    <message>
        <source>History entries</source>
        <translation>Entradas del historial</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Evento</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programa</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Puerto</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>N.º de serie</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>Cambios</translation>
    </message>
    <message>
        <source>Comparison</source>
        <translation>Comparación</translation>
    </message>
    <message>
        <source>Select an entry (Ctrl+click or Shift+arrow for two) and compare it.</source>
        <translation>Elija una entrada (Ctrl+clic o Mayús+flecha para dos) y compárela.</translation>
    </message>
    <message>
        <source>With the &amp;editors</source>
        <translation>Con los ca&amp;mpos</translation>
    </message>
    <message>
        <source>With the &amp;last read</source>
        <translation>Con la ú&amp;ltima lectura</translation>
    </message>
    <message>
        <source>With the &amp;port&apos;s set before</source>
        <translation>Con el juego &amp;anterior del puerto</translation>
    </message>
    <message>
        <source>The t&amp;wo selected</source>
        <translation>Las &amp;dos elegidas</translation>
    </message>
    <message>
        <source>Compare:</source>
        <translation>Comparar:</translation>
    </message>
    <message>
        <source>&amp;Take into the editors</source>
        <translation>&amp;Pasar a los campos</translation>
    </message>
    <message>
        <source>factory settings restored; the set they gave was not read</source>
        <translation>valores de fábrica restablecidos; el juego resultante no se leyó</translation>
    </message>
    <message>
        <source>plugged in anew: the first set since</source>
        <translation>conectado de nuevo: el primer juego desde entonces</translation>
    </message>
    <message>
        <source>the first set kept of this controller</source>
        <translation>el primer juego guardado de este controlador</translation>
    </message>
    <message>
        <source>no changes</source>
        <translation>sin cambios</translation>
    </message>
    <message>
        <source>Nothing has been kept yet.</source>
        <translation>Todavía no se ha guardado nada.</translation>
    </message>
    <message>
        <source>The history cannot be kept: %1</source>
        <translation>No se puede llevar el historial: %1</translation>
    </message>
    <message>
        <source>From %1
to %2:</source>
        <translation>Desde: %1
Hasta: %2:</translation>
    </message>
    <message>
        <source>No differences.</source>
        <translation>Sin diferencias.</translation>
    </message>
    <message>
        <source>the editors</source>
        <translation>los campos</translation>
    </message>
    <message>
        <source>Nothing has been read from the window&apos;s controller since it was plugged in.</source>
        <translation>No se ha leído nada del controlador de esta ventana desde que se conectó.</translation>
    </message>
    <message>
        <source>the set last read from the window&apos;s controller</source>
        <translation>el último juego leído del controlador de esta ventana</translation>
    </message>
    <message>
        <source>Nothing was kept of this port before this entry.</source>
        <translation>No se guardó nada de este puerto antes de esta entrada.</translation>
    </message>
    <message>
        <source>Every set read, stored or reset, of all controllers.</source>
        <translation>Cada juego leído, grabado o restablecido, de todos los controladores.</translation>
    </message>
    <message>
        <source>Every set read, stored or reset, of %1.</source>
        <extracomment>%1: a controller as &quot;port 1-1, serial 0001&quot;</extracomment>
        <translation>Cada juego leído, grabado o restablecido del %1.</translation>
    </message>
    <message>
        <source>Only the newest %1 of %2 entries are listed; vt350ctl history lists them all.</source>
        <translation>Solo se listan las %1 entradas más recientes de %2; vt350ctl history las lista todas.</translation>
    </message>
    <message>
        <source>The history could not be read whole (%1); the list is filled in as soon as it can be.</source>
        <translation>No se pudo leer el historial completo (%1); la lista se completará en cuanto se pueda.</translation>
    </message>
    <message>
        <source>Oldest first.</source>
        <translation>Las más antiguas primero.</translation>
    </message>
    <message>
        <source>Newest first.</source>
        <translation>Las más recientes primero.</translation>
    </message>
    <message>
        <source>Sorted by %1; newest first within each.</source>
        <translation>Ordenado por %1; las más recientes primero dentro de cada grupo.</translation>
    </message>
    <message>
        <source>The history folder is on a network file system (%1): programs on other machines that use it can damage it. Keep it on a local disk.</source>
        <translation>La carpeta del historial está en un sistema de archivos de red (%1): los programas de otros equipos que la usan pueden dañarla. Guárdela en un disco local.</translation>
    </message>
    <message>
        <source>&amp;Unit %1, every bench and controller</source>
        <extracomment>%1: the bike, frame or order number the window&apos;s controller belongs to</extracomment>
        <translation>&amp;Unidad %1, todos los puestos y controladores</translation>
    </message>
    <message>
        <source>, bench %1</source>
        <extracomment>%1: the name of the bench (the workshop&apos;s computer) that kept the entry</extracomment>
        <translation>, puesto %1</translation>
    </message>
    <message>
        <source>Bench</source>
        <translation>Puesto</translation>
    </message>
    <message>
        <source>Every set read, stored or reset, of unit %1, from every bench that sends to the shared record; each against the unit&apos;s set before it.</source>
        <extracomment>%1: the bike, frame or order number</extracomment>
        <translation>Cada juego leído, grabado o restablecido, de la unidad %1, de todos los puestos que envían al registro compartido; cada uno frente al juego anterior de la unidad.</translation>
    </message>
    <message>
        <source>Every set read, stored or reset, of unit %1 on this bench.</source>
        <translation>Cada juego leído, grabado o restablecido, de la unidad %1 en este puesto.</translation>
    </message>
    <message>
        <source>The shared record cannot be read (%1).</source>
        <translation>No se puede leer el registro compartido (%1).</translation>
    </message>
    <message>
        <source>Reading the other benches&apos; from the shared record…</source>
        <translation>Leyendo las entradas de los demás puestos en el registro compartido…</translation>
    </message>
    <message>
        <source>the first set kept of this unit</source>
        <translation>el primer juego guardado de esta unidad</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>The file &quot;%1&quot; does not exist.</source>
        <translation>El archivo «%1» no existe.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; holds %2 bytes, but a parameter file holds 15; nothing was loaded.</source>
        <translation>El archivo «%1» contiene %2 bytes, pero un archivo de parámetros contiene 15; no se cargó nada.</translation>
    </message>
    <message>
        <source>Could not open the file &quot;%1&quot;: %2.</source>
        <translation>No se pudo abrir el archivo «%1»: %2.</translation>
    </message>
    <message>
        <source>Could not read the file &quot;%1&quot;: %2.</source>
        <translation>No se pudo leer el archivo «%1»: %2.</translation>
    </message>
    <message>
        <source>Could not write the file &quot;%1&quot;: %2.</source>
        <translation>No se pudo escribir el archivo «%1»: %2.</translation>
    </message>
    <message>
        <source>It may now hold parts of the old and the new set.</source>
        <translation>Ahora puede contener partes del juego anterior y del nuevo.</translation>
    </message>
    <message>
        <source>Peak current %1 is below the continuous current %2</source>
        <translation>la corriente de pico %1 es menor que la corriente nominal %2</translation>
    </message>
    <message>
        <source>%1: %2 is outside %3 to %4</source>
        <translation>%1: %2 está fuera del intervalo de %3 a %4</translation>
    </message>
    <message>
        <source> or </source>
        <translation> o </translation>
    </message>
    <message>
        <source>%1: %2; the editor offers %3</source>
        <translation>%1: %2; el campo ofrece %3</translation>
    </message>
    <message>
        <source>Could not attach to PnP node</source>
        <translation>No se pudo acceder al nodo PnP</translation>
    </message>
    <message>
        <source>Could not get the name of this HID device</source>
        <translation>No se pudo obtener el nombre de este dispositivo HID</translation>
    </message>
    <message>
        <source>Could not open HID device</source>
        <translation>No se pudo abrir el dispositivo HID</translation>
    </message>
    <message>
        <source>Errorcode = [%1]</source>
        <translation>Código de error = [%1]</translation>
    </message>
    <message>
        <source>Send Command Error</source>
        <translation>Error al enviar la orden</translation>
    </message>
    <message>
        <source>Send Data Error</source>
        <translation>Error al enviar los datos</translation>
    </message>
    <message>
        <source>RegisterDeviceNotification failed</source>
        <translation>RegisterDeviceNotification falló</translation>
    </message>
    <message>
        <source>Please enter valid numerical data</source>
        <translation>Introduzca números válidos</translation>
    </message>
    <message>
        <source>Please enter valid  numerical data</source>
        <translation>Introduzca números válidos</translation>
    </message>
    <message>
        <source>serial %1</source>
        <translation>número de serie %1</translation>
    </message>
    <message>
        <source>port %1</source>
        <translation>puerto %1</translation>
    </message>
</context>
<context>
    <name>Parameters</name>
    <message>
        <source>BLDC (brushless)</source>
        <translation>BLDC (sin escobillas)</translation>
    </message>
    <message>
        <source>DC (brushed)</source>
        <translation>CC (con escobillas)</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Bajo</translation>
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
        <translation>Atrás</translation>
    </message>
    <message>
        <source>FWD</source>
        <translation>Adelante</translation>
    </message>
    <message>
        <source>disabled</source>
        <translation>desactivada</translation>
    </message>
    <message>
        <source>enabled</source>
        <translation>activada</translation>
    </message>
    <message>
        <source>Unimm (at zero speed)</source>
        <translation>Diferida (con velocidad cero)</translation>
    </message>
    <message>
        <source>Immed (immediately)</source>
        <translation>Inmediata</translation>
    </message>
    <message>
        <source>Regenerative brake</source>
        <translation>Freno regenerativo</translation>
    </message>
    <message>
        <source>Motor flag bits 1-6</source>
        <translation>Bits de opción del motor 1–6</translation>
    </message>
    <message>
        <source>Reserved bytes</source>
        <translation>Bytes reservados</translation>
    </message>
    <message>
        <source>Continuous current</source>
        <translation>Corriente nominal</translation>
    </message>
    <message>
        <source>Peak current</source>
        <translation>Corriente de pico</translation>
    </message>
    <message>
        <source>Motor voltage</source>
        <translation>Tensión del motor</translation>
    </message>
    <message>
        <source>Motor type</source>
        <translation>Tipo de motor</translation>
    </message>
    <message>
        <source>Phase angle</source>
        <translation>Ángulo de fase</translation>
    </message>
    <message>
        <source>PAS level</source>
        <translation>Nivel PAS</translation>
    </message>
    <message>
        <source>PAS direction</source>
        <translation>Sentido PAS</translation>
    </message>
    <message>
        <source>Forward speed scale</source>
        <translation>Escala de velocidad adelante</translation>
    </message>
    <message>
        <source>Reversion</source>
        <translation>Inversión</translation>
    </message>
    <message>
        <source>Reversion mode</source>
        <translation>Modo de inversión</translation>
    </message>
    <message>
        <source>Reversion speed scale</source>
        <translation>Escala de velocidad de la inversión</translation>
    </message>
    <message>
        <source>unknown (code %1)</source>
        <translation>desconocido (código %1)</translation>
    </message>
</context>
<context>
    <name>Status</name>
    <message>
        <source>GetConfig Success</source>
        <translation>Lectura correcta</translation>
    </message>
    <message>
        <source>Connect Success</source>
        <translation>Conexión correcta</translation>
    </message>
    <message>
        <source>Disconnect Success</source>
        <translation>Desconexión correcta</translation>
    </message>
    <message>
        <source>Restore Success</source>
        <translation>Valores de fábrica restaurados</translation>
    </message>
    <message>
        <source>Load Success</source>
        <translation>Grabación correcta</translation>
    </message>
    <message>
        <source>Load Error</source>
        <translation>Error al grabar</translation>
    </message>
    <message>
        <source>GetConfig Error</source>
        <translation>Error de lectura</translation>
    </message>
    <message>
        <source>No answer</source>
        <translation>Sin respuesta</translation>
    </message>
    <message>
        <source>No controller</source>
        <translation>Sin controlador</translation>
    </message>
    <message>
        <source>Not sent</source>
        <translation>No enviado</translation>
    </message>
    <message>
        <source>Read by another program</source>
        <translation>Leído por otro programa</translation>
    </message>
    <message>
        <source>Stored by another program</source>
        <translation>Grabado por otro programa</translation>
    </message>
    <message>
        <source>Reset by another program</source>
        <translation>Restablecido por otro programa</translation>
    </message>
    <message>
        <source>Unplugged</source>
        <translation>Desenchufado</translation>
    </message>
    <message>
        <source>Stored by another program; your changes stay in the editors</source>
        <translation>Grabado por otro programa; sus cambios se quedan en los campos</translation>
    </message>
    <message>
        <source>Read by another program; your changes stay in the editors</source>
        <translation>Leído por otro programa; sus cambios se quedan en los campos</translation>
    </message>
    <message>
        <source>The editors show the set of %1</source>
        <extracomment>%1: a controller as &quot;port 1-1, serial 0001&quot;</extracomment>
        <translation>Los campos muestran el juego del %1</translation>
    </message>
    <message>
        <source>Unplugged (Ctrl+D: another controller)</source>
        <translation>Desenchufado (Ctrl+D: otro controlador)</translation>
    </message>
    <message>
        <source>Another unit (serial %1): nothing read yet</source>
        <translation>Otra unidad (número de serie %1): aún no se ha leído nada</translation>
    </message>
    <message>
        <source>Plugged in: nothing read yet</source>
        <translation>Enchufado: aún no se ha leído nada</translation>
    </message>
    <message>
        <source>The editors keep the set from the file; GetConfig shows what %1 holds</source>
        <extracomment>%1: a controller as &quot;port 1-1, serial 0001&quot;</extracomment>
        <translation>Los campos conservan el juego del archivo; «Leer» muestra lo que contiene el %1</translation>
    </message>
    <message>
        <source>The editors keep the set from the history; GetConfig shows what %1 holds</source>
        <extracomment>%1: a controller as &quot;port 1-1, serial 0001&quot;</extracomment>
        <translation>Los campos conservan el juego del historial; «Leer» muestra lo que contiene el %1</translation>
    </message>
    <message>
        <source>Your changes for %1, not stored yet, are back in the editors</source>
        <extracomment>%1: a controller as &quot;port 1-1, serial 0001&quot;</extracomment>
        <translation>Sus cambios para el %1, aún sin grabar, vuelven a estar en los campos</translation>
    </message>
    <message>
        <source>Reading the set of %1...</source>
        <extracomment>%1: a controller as &quot;port 1-1, serial 0001&quot;</extracomment>
        <translation>Leyendo el juego del %1…</translation>
    </message>
</context>
</TS>
