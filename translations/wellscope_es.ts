<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>AboutWndo</name>
    <message>
        <source>About Wellscope</source>
        <translation>Acerca de Wellscope</translation>
    </message>
</context>
<context>
    <name>App</name>
    <message>
        <source>A plot could not be drawn: </source>
        <translation>No se pudo dibujar una gráfica: </translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>print the energies of the levels, one per line, as the energy field shows them (Find pressed --count times); with --all, every level with its nodes, parity, &lt;x&gt;, spread and forbidden-region probability, as View &gt; Levels shows them</source>
        <translation>imprime las energías de los niveles, una por línea, como las muestra el campo de energía (Buscar pulsado --count veces); con --all, cada nivel con sus nodos, su paridad, &lt;x&gt;, su dispersión y la probabilidad en la región prohibida, como los muestra Ver &gt; Niveles</translation>
    </message>
    <message>
        <source>save a picture of the window (with --levels, of the Levels window); as .svg, both plots as a vector picture</source>
        <translation>guarda una imagen de la ventana (con --levels, de la ventana Niveles); como .svg, ambas gráficas como imagen vectorial</translation>
    </message>
    <message>
        <source>save the page that File &gt; Print prints, as a PDF</source>
        <translation>guarda la página que imprime Archivo &gt; Imprimir, como PDF</translation>
    </message>
    <message>
        <source>save the file that File &gt; Save saves</source>
        <translation>guarda el archivo que guarda Archivo &gt; Guardar</translation>
    </message>
    <message>
        <source>save the plots&apos; data, as File &gt; Export &gt; Data does: x (nm), V (eV), psi</source>
        <translation>guarda los datos de las gráficas, como Archivo &gt; Exportar &gt; Datos: x (nm), V (eV), psi</translation>
    </message>
    <message>
        <source>symmetric: even or odd (default even)</source>
        <translation>symmetric: even (par) u odd (impar) (por defecto even)</translation>
    </message>
    <message>
        <source>levels: start energy (default 0.01, or -13.6 for hydrogen); transmission: the first energy</source>
        <translation>levels: energía inicial (por defecto 0.01, o -13.6 para hydrogen); transmission: la primera energía</translation>
    </message>
    <message>
        <source>transmission: the last energy; resonances: the top of the search (default 15)</source>
        <translation>transmission: la última energía; resonances: el tope de la búsqueda (por defecto 15)</translation>
    </message>
    <message>
        <source>levels: number of levels to look for, 1 to 100 (default 5)</source>
        <translation>levels: número de niveles que buscar, de 1 a 100 (por defecto 5)</translation>
    </message>
    <message>
        <source>levels: every level of the spectrum at once</source>
        <translation>levels: todos los niveles del espectro a la vez</translation>
    </message>
    <message>
        <source>levels --all: text (aligned columns, default) or csv</source>
        <translation>levels --all: text (columnas alineadas, por defecto) o csv</translation>
    </message>
    <message>
        <source>levels --all: the exact level of the continuous problem beside each, and the difference in per cent</source>
        <translation>levels --all: junto a cada uno, el nivel exacto del problema continuo y la diferencia en por ciento</translation>
    </message>
    <message>
        <source>levels --all: &lt;k&gt; (CSV only), Delta k in nm^-1 and Delta x Delta k of each level</source>
        <translation>levels --all: &lt;k&gt; (solo CSV), Delta k en nm^-1 y Delta x Delta k de cada nivel</translation>
    </message>
    <message>
        <source>every command: set up from a .wellscope file first; the other options then apply on top of it</source>
        <translation>todas las órdenes: partir primero de un archivo .wellscope; las demás opciones se aplican después encima</translation>
    </message>
    <message>
        <source>every command: the particle&apos;s mass in electron masses, 0.01 to 10 (default 1, the electron)</source>
        <translation>todas las órdenes: la masa de la partícula en masas del electrón, de 0.01 a 10 (por defecto 1, el electrón)</translation>
    </message>
    <message>
        <source>the window&apos;s and the help&apos;s language: en, de, fr or es (default: the system&apos;s)</source>
        <translation>el idioma de la ventana y de la ayuda: en, de, fr o es (por defecto: el del sistema)</translation>
    </message>
    <message>
        <source>snapshot, print, save, data: type this energy and press Draw; packet: the packet&apos;s kinetic energy where it starts, from 0 (default %2)</source>
        <translation>snapshot, print, save, data: escribir esta energía y pulsar Dibujar; packet: la energía cinética del paquete donde parte, desde 0 (por defecto %2)</translation>
    </message>
    <message>
        <source>packet: the packet&apos;s centre at t = 0 (default %3); x0 +- 4 sigma must lie between the absorbers at +-3.5 nm</source>
        <translation>packet: el centro del paquete en t = 0 (por defecto %3); x0 +- 4 sigma debe quedar entre los absorbentes en +-3.5 nm</translation>
    </message>
    <message>
        <source>packet: the packet&apos;s width sigma, at least 0.03 nm (default %4)</source>
        <translation>packet: la anchura sigma del paquete, al menos 0.03 nm (por defecto %4)</translation>
    </message>
    <message>
        <source>snapshot: a picture of the Levels window</source>
        <translation>snapshot: una imagen de la ventana Niveles</translation>
    </message>
    <message>
        <source>evolve: the levels, counted from 0 (hydrogen: n from 1)</source>
        <translation>evolve: los niveles, contados desde 0 (hydrogen: n desde 1)</translation>
    </message>
    <message>
        <source>evolve: one per level, 0 to 1 (default 1 each)</source>
        <translation>evolve: una por nivel, de 0 a 1 (por defecto 1 cada una)</translation>
    </message>
    <message>
        <source>evolve, packet: the last time, in fs (the first is 0)</source>
        <translation>evolve, packet: el último instante, en fs (el primero es 0)</translation>
    </message>
    <message>
        <source>evolve, packet: the time between rows, in fs (at most %1 rows); packet integrates in equal steps of at most %5 fs, as many as make up --step, so each row&apos;s time is met exactly</source>
        <translation>evolve, packet: el tiempo entre filas, en fs (como mucho %1 filas); packet integra en pasos iguales de como mucho %5 fs, tantos como suman --step, de modo que el tiempo de cada fila se alcanza exactamente</translation>
    </message>
    <message>
        <source>transmission: the energy step, in eV (at most %1 rows)</source>
        <translation>transmission: el paso de energía, en eV (como mucho %1 filas)</translation>
    </message>
    <message>
        <source>transmission: the continuum&apos;s transmission beside, for potentials made of flat pieces (well, symmetric, uneven, barrier, double-barrier, step)</source>
        <translation>transmission: al lado, la transmisión del continuo, para potenciales hechos de tramos planos (well, symmetric, uneven, barrier, double-barrier, step)</translation>
    </message>
    <message>
        <source>show this help</source>
        <translation>mostrar esta ayuda</translation>
    </message>
    <message>
        <source>show the version</source>
        <translation>mostrar la versión</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 o %2</translation>
    </message>
    <message>
        <source>%1 to %2%3 in steps of %4</source>
        <translation>de %1 a %2%3 en pasos de %4</translation>
    </message>
    <message>
        <source>%1 to the %2</source>
        <translation>de %1 a la %2</translation>
    </message>
    <message>
        <source>Usage: wellscope [COMMAND] [OPTIONS]
Finds the bound states of an electron in a one-dimensional potential,
and its transmission through barriers.
With no command, Wellscope opens its window.

Commands:
</source>
        <translation>Uso: wellscope [ORDEN] [OPCIONES]
Encuentra los estados ligados de un electrón en un potencial unidimensional,
y su transmisión a través de barreras.
Sin orden, Wellscope abre su ventana.

Órdenes:
</translation>
    </message>
    <message>
        <source>open the file in the window</source>
        <translation>abrir el archivo en la ventana</translation>
    </message>
    <message>
        <source>
Options:
</source>
        <translation>
Opciones:
</translation>
    </message>
    <message>
        <source>%1 (default well)</source>
        <translation>%1 (por defecto well)</translation>
    </message>
    <message>
        <source>Qt&apos;s own options (-style, -platform, -reverse, -qwindowgeometry, ...) are
passed to Qt.
</source>
        <translation>Las opciones propias de Qt (-style, -platform, -reverse, -qwindowgeometry, ...) se
pasan a Qt.
</translation>
    </message>
    <message>
        <source>print &lt;x&gt;, its spread and the norm of a superposition of levels in time, as CSV: %1</source>
        <translation>imprime &lt;x&gt;, su dispersión y la norma de una superposición de niveles en el tiempo, como CSV: %1</translation>
    </message>
    <message>
        <source>print a Gaussian wave packet moving through the potential (left and right: the probability at x &lt; 0 and x &gt;= 0, with what each side&apos;s absorber took), as CSV: %1</source>
        <translation>imprime un paquete de ondas gaussiano que atraviesa el potencial (left y right: la probabilidad en x &lt; 0 y x &gt;= 0, con lo que tomó el absorbente de cada lado), como CSV: %1</translation>
    </message>
    <message>
        <source>print the grid&apos;s transmission and reflection of a particle coming in from the left, as CSV: %1 (and exact_transmission with --exact); the cells are empty where a lead is closed</source>
        <translation>imprime la transmisión y la reflexión en la malla de una partícula que llega por la izquierda, como CSV: %1 (y exact_transmission con --exact); las celdas quedan vacías donde un terminal está cerrado</translation>
    </message>
    <message>
        <source>print the maxima of the transmission from the lowest open energy up to --to, as View &gt; Transmission lists them, as CSV: %1</source>
        <translation>imprime los máximos de la transmisión desde la energía abierta más baja hasta --to, como los lista Ver &gt; Transmisión, como CSV: %1</translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>Particle: </source>
        <translation>Partícula: </translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>no se puede escribir %1: %2</translation>
    </message>
</context>
<context>
    <name>ExactLevels</name>
    <message>
        <source>The exact values are those of the uncut Coulomb potential. The program&apos;s potential ends at the edge of the plot, which raises the upper levels and leaves only a few of them bound.</source>
        <translation>Los valores exactos son los del potencial de Coulomb sin recortar. El potencial del programa termina en el borde de la gráfica, lo que eleva los niveles superiores y deja ligados solo unos pocos.</translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <source>Wellscope files (*.wellscope)</source>
        <translation>Archivos de Wellscope (*.wellscope)</translation>
    </message>
    <message>
        <source>The reshaped potential has not been saved. Save it first?</source>
        <translation>El potencial remodelado no se ha guardado. ¿Guardarlo primero?</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Guardar como</translation>
    </message>
    <message>
        <source>Export Data</source>
        <translation>Exportar datos</translation>
    </message>
    <message>
        <source>Export Picture</source>
        <translation>Exportar imagen</translation>
    </message>
    <message>
        <source>Cannot open “%1”: %2.</source>
        <translation>No se puede abrir «%1»: %2.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Cannot save “%1”: %2.</source>
        <translation>No se puede guardar «%1»: %2.</translation>
    </message>
    <message>
        <source>Cannot export to “%1”: %2.</source>
        <translation>No se puede exportar a «%1»: %2.</translation>
    </message>
    <message>
        <source>a picture is saved as .svg or .png</source>
        <translation>una imagen se guarda como .svg o .png</translation>
    </message>
</context>
<context>
    <name>FileIO</name>
    <message>
        <source>there is no such file</source>
        <translation>no existe tal archivo</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>es una carpeta</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>it is too large (more than %1 KiB)</source>
        <translation>es demasiado grande (más de %1 KiB)</translation>
    </message>
    <message>
        <source>the folder does not exist</source>
        <translation>la carpeta no existe</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 no es una carpeta</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>permiso denegado</translation>
    </message>
</context>
<context>
    <name>LevelsReport</name>
    <message>
        <source>even</source>
        <translation>par</translation>
    </message>
    <message>
        <source>odd</source>
        <translation>impar</translation>
    </message>
    <message>
        <source>Energy (eV)</source>
        <translation>Energía (eV)</translation>
    </message>
    <message>
        <source>Nodes</source>
        <translation>Nodos</translation>
    </message>
    <message>
        <source>Parity</source>
        <translation>Paridad</translation>
    </message>
    <message>
        <source>Forbidden (%)</source>
        <translation>Prohibida (%)</translation>
    </message>
    <message>
        <source>Exact (eV)</source>
        <translation>Exacta (eV)</translation>
    </message>
    <message>
        <source>Difference (%)</source>
        <translation>Diferencia (%)</translation>
    </message>
    <message>
        <source>No bound state below %1 eV</source>
        <translation>Ningún estado ligado por debajo de %1 eV</translation>
    </message>
</context>
<context>
    <name>LevelsWindow</name>
    <message>
        <source>No bound state</source>
        <translation>Ningún estado ligado</translation>
    </message>
    <message>
        <source>No level chosen</source>
        <translation>Ningún nivel elegido</translation>
    </message>
    <message>
        <source>Level n = %1, E = %2 eV</source>
        <translation>Nivel n = %1, E = %2 eV</translation>
    </message>
    <message>
        <source>Level n = %1 in momentum space, $D$k = %2 nm^-1</source>
        <translation>Nivel n = %1 en el espacio de momentos, $D$k = %2 nm^-1</translation>
    </message>
    <message>
        <source>Levels</source>
        <translation>Niveles</translation>
    </message>
    <message>
        <source>Energy (eV)</source>
        <translation>Energía (eV)</translation>
    </message>
    <message>
        <source>Show |ψ|² instead of ψ</source>
        <translation>Mostrar |ψ|² en lugar de ψ</translation>
    </message>
    <message>
        <source>Show |φ(k)|² in momentum space</source>
        <translation>Mostrar |φ(k)|² en el espacio de momentos</translation>
    </message>
    <message>
        <source>Levels — %1</source>
        <translation>Niveles — %1</translation>
    </message>
    <message>
        <source>Amplitude</source>
        <translation>Amplitud</translation>
    </message>
    <message>
        <source>Levels plot</source>
        <translation>Gráfico de niveles</translation>
    </message>
    <message>
        <source>Chosen state plot</source>
        <translation>Gráfico del estado elegido</translation>
    </message>
    <message>
        <source>Levels table</source>
        <translation>Tabla de niveles</translation>
    </message>
    <message>
        <source>Bound states: %1, from %2 to %3 eV</source>
        <translation>Estados ligados: %1, de %2 a %3 eV</translation>
    </message>
    <message>
        <source>Level %1 of %2, %3 eV, nodes: %4</source>
        <translation>Nivel %1 de %2, %3 eV, nodos: %4</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation>&amp;Abrir…</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Abrir &amp;reciente</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Save &amp;As…</source>
        <translation>Guardar &amp;como…</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>&amp;Exportar</translation>
    </message>
    <message>
        <source>&amp;Data (CSV)…</source>
        <translation>&amp;Datos (CSV)…</translation>
    </message>
    <message>
        <source>&amp;Picture (SVG or PNG)…</source>
        <translation>&amp;Imagen (SVG o PNG)…</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>Im&amp;primir</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Cor&amp;tar</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Pegar</translation>
    </message>
    <message>
        <source>Cle&amp;ar</source>
        <translation>&amp;Borrar</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;Levels…</source>
        <translation>&amp;Niveles…</translation>
    </message>
    <message>
        <source>&amp;Wave Packet…</source>
        <translation>Paquete de &amp;ondas…</translation>
    </message>
    <message>
        <source>&amp;Transmission…</source>
        <translation>&amp;Transmisión…</translation>
    </message>
    <message>
        <source>P&amp;article</source>
        <translation>&amp;Partícula</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>&amp;About Wellscope…</source>
        <translation>Acerca &amp;de Wellscope…</translation>
    </message>
</context>
<context>
    <name>PacketWindow</name>
    <message>
        <source>Momentum space: &amp;|$f$(k,t)&amp;|^2^, and T(k) in grey (1 at the top)</source>
        <translation>Espacio de momentos: &amp;|$f$(k,t)&amp;|^2^, y T(k) en gris (1 arriba)</translation>
    </message>
    <message>
        <source>probability</source>
        <translation>probabilidad</translation>
    </message>
    <message>
        <source>Left of x = 0 (blue) and right (red), with what the absorbers took</source>
        <translation>A la izquierda de x = 0 (azul) y a la derecha (rojo), con lo que tomaron los absorbentes</translation>
    </message>
    <message>
        <source>&amp;|$Y$(x,t)&amp;|^2^ on the line of its energy (green) over the potential</source>
        <translation>&amp;|$Y$(x,t)&amp;|^2^ sobre la línea de su energía (verde) encima del potencial</translation>
    </message>
    <message>
        <source>No wave packet</source>
        <translation>Ningún paquete de ondas</translation>
    </message>
    <message>
        <source>Wave Packet</source>
        <translation>Paquete de ondas</translation>
    </message>
    <message>
        <source>Re Ψ (blue)</source>
        <translation>Re Ψ (azul)</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Reproducir</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reiniciar</translation>
    </message>
    <message>
        <source>Simulated femtoseconds per second</source>
        <translation>Femtosegundos simulados por segundo</translation>
    </message>
    <message>
        <source>The packet&apos;s kinetic energy where it starts</source>
        <translation>La energía cinética del paquete donde parte</translation>
    </message>
    <message>
        <source>Wave Packet — %1</source>
        <translation>Paquete de ondas — %1</translation>
    </message>
    <message>
        <source>The wave packet is not available in this potential: it is infinite at the Hydrogen row&apos;s nucleus. Choose another potential.</source>
        <translation>El paquete de ondas no está disponible en este potencial: es infinito en el núcleo de la fila Hidrógeno. Elija otro potencial.</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; is not a number</source>
        <translation>%1: «%2» no es un número</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Transmitted: %1</source>
        <translation>Transmitido: %1</translation>
    </message>
    <message>
        <source>Transmitted: once the packet has left</source>
        <translation>Transmitido: cuando el paquete se haya ido</translation>
    </message>
    <message>
        <source>Wave packet plot</source>
        <translation>Gráfico del paquete de ondas</translation>
    </message>
    <message>
        <source>Momentum space plot</source>
        <translation>Gráfico en el espacio de momentos</translation>
    </message>
    <message>
        <source>Left and right plot</source>
        <translation>Gráfico izquierda y derecha</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Velocidad</translation>
    </message>
</context>
<context>
    <name>ParticleCommands</name>
    <message>
        <source>&amp;Other Mass…</source>
        <translation>&amp;Otra masa…</translation>
    </message>
    <message>
        <source>Particle</source>
        <translation>Partícula</translation>
    </message>
    <message>
        <source>Mass in electron masses (mₑ):</source>
        <translation>Masa en masas del electrón (mₑ):</translation>
    </message>
</context>
<context>
    <name>Particles</name>
    <message>
        <source>particle of %1</source>
        <translation>partícula de %1</translation>
    </message>
    <message>
        <source>Electron</source>
        <translation>Electrón</translation>
    </message>
    <message>
        <source>GaAs conduction-band electron</source>
        <translation>Electrón de conducción del GaAs</translation>
    </message>
    <message>
        <source>GaAs heavy hole</source>
        <translation>Hueco pesado del GaAs</translation>
    </message>
</context>
<context>
    <name>PotentialRows</name>
    <message>
        <source>Well</source>
        <translation>Pozo</translation>
    </message>
    <message>
        <source>Symmetric Well</source>
        <translation>Pozo simétrico</translation>
    </message>
    <message>
        <source>Uneven</source>
        <translation>Desigual</translation>
    </message>
    <message>
        <source>Ramp</source>
        <translation>Rampa</translation>
    </message>
    <message>
        <source>Oscillator</source>
        <translation>Oscilador</translation>
    </message>
    <message>
        <source>Hydrogen</source>
        <translation>Hidrógeno</translation>
    </message>
    <message>
        <source>Draw</source>
        <translation>Dibujar</translation>
    </message>
    <message>
        <source>Barrier</source>
        <translation>Barrera</translation>
    </message>
    <message>
        <source>Double Barrier</source>
        <translation>Doble barrera</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Escalón</translation>
    </message>
    <message>
        <source>Width = </source>
        <translation>Anchura = </translation>
    </message>
    <message>
        <source>Ctr to Ctr = </source>
        <translation>Separación = </translation>
    </message>
    <message>
        <source>Well Width = </source>
        <translation>Ancho pozo = </translation>
    </message>
    <message>
        <source>Left Height = </source>
        <translation>Altura izq. = </translation>
    </message>
    <message>
        <source>Right Height = </source>
        <translation>Altura der. = </translation>
    </message>
    <message>
        <source>Slope</source>
        <translation>Pendiente</translation>
    </message>
    <message>
        <source>Height = </source>
        <translation>Altura = </translation>
    </message>
    <message>
        <source>Narrowness</source>
        <translation>Estrechez</translation>
    </message>
    <message>
        <source>Barrier Width = </source>
        <translation>Ancho barr. = </translation>
    </message>
    <message>
        <source>inf</source>
        <translation>∞</translation>
    </message>
    <message>
        <source>Wd</source>
        <translation>An</translation>
    </message>
    <message>
        <source>Nw</source>
        <translation>Es</translation>
    </message>
    <message>
        <source>width</source>
        <translation>anchura</translation>
    </message>
    <message>
        <source>centre-to-centre distance</source>
        <translation>distancia entre centros</translation>
    </message>
    <message>
        <source>width of each well</source>
        <translation>anchura de cada pozo</translation>
    </message>
    <message>
        <source>left wall height</source>
        <translation>altura de la pared izquierda</translation>
    </message>
    <message>
        <source>right wall height</source>
        <translation>altura de la pared derecha</translation>
    </message>
    <message>
        <source>slope</source>
        <translation>pendiente</translation>
    </message>
    <message>
        <source>height</source>
        <translation>altura</translation>
    </message>
    <message>
        <source>narrowness</source>
        <translation>estrechez</translation>
    </message>
    <message>
        <source>width of each barrier</source>
        <translation>anchura de cada barrera</translation>
    </message>
</context>
<context>
    <name>TimeView</name>
    <message>
        <source>|Ψ|² (black)</source>
        <translation>|Ψ|² (negro)</translation>
    </message>
    <message>
        <source>Re Ψ (blue)</source>
        <translation>Re Ψ (azul)</translation>
    </message>
    <message>
        <source>Im Ψ (red)</source>
        <translation>Im Ψ (rojo)</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Reproducir</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reiniciar</translation>
    </message>
    <message>
        <source>Simulated femtoseconds per second</source>
        <translation>Femtosegundos simulados por segundo</translation>
    </message>
    <message>
        <source>Superposition: &amp;|$Y$&amp;|^2^ in nm^-1^, $Y$ in nm^-1/2</source>
        <translation>Superposición: &amp;|$Y$&amp;|^2^ en nm^-1^, $Y$ en nm^-1/2</translation>
    </message>
    <message>
        <source>Beat period = %1</source>
        <translation>Periodo de batido = %1</translation>
    </message>
    <message>
        <source>No beat: the two levels have the same energy</source>
        <translation>Sin batido: los dos niveles tienen la misma energía</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Velocidad</translation>
    </message>
</context>
<context>
    <name>TransmissionText</name>
    <message>
        <source>T is undefined: the potential is not finite everywhere</source>
        <translation>T no está definido: el potencial no es finito en todas partes</translation>
    </message>
    <message>
        <source>T is undefined at E = %1: below both leads&apos; potential (%2 left, %3 right)</source>
        <translation>T no está definido en E = %1: por debajo del potencial de ambos terminales (%2 a la izquierda, %3 a la derecha)</translation>
    </message>
    <message>
        <source>T is undefined at E = %1: below the left lead&apos;s potential, %2</source>
        <translation>T no está definido en E = %1: por debajo del potencial del terminal izquierdo, %2</translation>
    </message>
    <message>
        <source>T is undefined at E = %1: below the right lead&apos;s potential, %2</source>
        <translation>T no está definido en E = %1: por debajo del potencial del terminal derecho, %2</translation>
    </message>
    <message>
        <source>T is undefined at E = %1: above the grid&apos;s highest energy in a lead, %2</source>
        <translation>T no está definido en E = %1: por encima de la energía más alta de la malla en un terminal, %2</translation>
    </message>
    <message>
        <source>Flux (nm/fs): in %1, reflected %2, transmitted %3 = net %4</source>
        <translation>Flujo (nm/fs): entrante %1, reflejado %2, transmitido %3 = neto %4</translation>
    </message>
    <message>
        <source>→ incoming, |A| = 1</source>
        <translation>→ incidente, |A| = 1</translation>
    </message>
    <message>
        <source>← reflected, |r| = %1</source>
        <translation>← reflejado, |r| = %1</translation>
    </message>
    <message>
        <source>transmitted, |t| = %1 →</source>
        <translation>transmitido, |t| = %1 →</translation>
    </message>
    <message>
        <source>Energy (eV)</source>
        <translation>Energía (eV)</translation>
    </message>
    <message>
        <source>Width Γ (eV)</source>
        <translation>Anchura Γ (eV)</translation>
    </message>
    <message>
        <source>Lifetime ħ/Γ (fs)</source>
        <translation>Vida media ħ/Γ (fs)</translation>
    </message>
    <message>
        <source>Peak T</source>
        <translation>T en el pico</translation>
    </message>
</context>
<context>
    <name>TransmissionWindow</name>
    <message>
        <source>No scattering state at %1</source>
        <translation>Ningún estado de dispersión en %1</translation>
    </message>
    <message>
        <source>Scattering state at %1</source>
        <translation>Estado de dispersión en %1</translation>
    </message>
    <message>
        <source>No open energy</source>
        <translation>Ninguna energía abierta</translation>
    </message>
    <message>
        <source>Computing…</source>
        <translation>Calculando…</translation>
    </message>
    <message>
        <source>T (black) and R (blue)</source>
        <translation>T (negro) y R (azul)</translation>
    </message>
    <message>
        <source>T (black) and R (blue), continuum&apos;s T (green, dashed)</source>
        <translation>T (negro) y R (azul), T del continuo (verde, discontinua)</translation>
    </message>
    <message>
        <source>Transmission</source>
        <translation>Transmisión</translation>
    </message>
    <message>
        <source>Potential</source>
        <translation>Potencial</translation>
    </message>
    <message>
        <source>Potential (eV)</source>
        <translation>Potencial (eV)</translation>
    </message>
    <message>
        <source>Scattering state</source>
        <translation>Estado de dispersión</translation>
    </message>
    <message>
        <source>Energy (eV)</source>
        <translation>Energía (eV)</translation>
    </message>
    <message>
        <source>Logarithmic T axis</source>
        <translation>Eje T logarítmico</translation>
    </message>
    <message>
        <source>Top:</source>
        <translation>Tope:</translation>
    </message>
    <message>
        <source>Transmission — %1</source>
        <translation>Transmisión — %1</translation>
    </message>
    <message>
        <source>No resonance</source>
        <translation>Ninguna resonancia</translation>
    </message>
    <message>
        <source>1 resonance</source>
        <translation>1 resonancia</translation>
    </message>
    <message>
        <source>%1 resonances</source>
        <translation>%1 resonancias</translation>
    </message>
    <message>
        <source>T is undefined: the potential is not finite everywhere</source>
        <translation>T no está definido: el potencial no es finito en todas partes</translation>
    </message>
    <message>
        <source>No energy below the top is open in both leads (they open at %1 eV)</source>
        <translation>Ninguna energía por debajo del tope está abierta en ambos terminales (se abren en %1 eV)</translation>
    </message>
    <message>
        <source>%1 from %2 to %3 eV</source>
        <translation>%1 de %2 a %3 eV</translation>
    </message>
    <message>
        <source>Top of the energy range</source>
        <translation>Límite superior del intervalo de energía</translation>
    </message>
    <message>
        <source>Resonances table</source>
        <translation>Tabla de resonancias</translation>
    </message>
</context>
<context>
    <name>Window1</name>
    <message>
        <source>Symmetric</source>
        <translation>Simétrica</translation>
    </message>
    <message>
        <source>Anti-Symmetric</source>
        <translation>Antisimétrica</translation>
    </message>
    <message>
        <source>Energy =</source>
        <translation>Energía =</translation>
    </message>
    <message>
        <source>Draw </source>
        <translation>Dibujar </translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>To modify the function, click once at a point on the line to create a handle, then drag the handle vertically to a new position.</source>
        <translation>Para modificar la función, haga clic una vez en un punto de la línea para crear un asa y arrastre luego el asa en vertical hasta una nueva posición.</translation>
    </message>
    <message>
        <source>eV</source>
        <translation>eV</translation>
    </message>
    <message>
        <source>no energy</source>
        <translation>sin energía</translation>
    </message>
    <message>
        <source>Potential</source>
        <translation>Potencial</translation>
    </message>
    <message>
        <source>Parity</source>
        <translation>Paridad</translation>
    </message>
    <message>
        <source>Even (symmetric) or odd (anti-symmetric) solutions</source>
        <translation>Soluciones pares (simétricas) o impares (antisimétricas)</translation>
    </message>
    <message>
        <source>Energy in eV</source>
        <translation>Energía en eV</translation>
    </message>
    <message>
        <source>Draw</source>
        <translation>Dibujar</translation>
    </message>
    <message>
        <source>Solve at the energy typed</source>
        <translation>Resolver a la energía escrita</translation>
    </message>
    <message>
        <source>Search upward for the next level</source>
        <translation>Buscar hacia arriba el siguiente nivel</translation>
    </message>
    <message>
        <source>Potential plot</source>
        <translation>Gráfica del potencial</translation>
    </message>
    <message>
        <source>Wave function plot</source>
        <translation>Gráfica de la función de onda</translation>
    </message>
    <message>
        <source>Potential: %1</source>
        <translation>Potencial: %1</translation>
    </message>
    <message>
        <source>even solutions</source>
        <translation>soluciones pares</translation>
    </message>
    <message>
        <source>odd solutions</source>
        <translation>soluciones impares</translation>
    </message>
    <message>
        <source>reshaped with the mouse</source>
        <translation>remodelado con el ratón</translation>
    </message>
    <message>
        <source>%1; trial energy %2</source>
        <translation>%1; energía de prueba %2</translation>
    </message>
    <message>
        <source>Wave function at %1, %2 nodes where the energy lies above the potential</source>
        <translation>Función de onda en %1, %2 nodos donde la energía está por encima del potencial</translation>
    </message>
    <message>
        <source>Potential (eV)</source>
        <translation>Potencial (eV)</translation>
    </message>
    <message>
        <source>Solution for Energy = </source>
        <translation>Solución para la energía = </translation>
    </message>
    <message>
        <source>Psi_E (relative)</source>
        <translation>Psi_E (relativa)</translation>
    </message>
</context>
</TS>
