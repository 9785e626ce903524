<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AboutWndo</name>
    <message>
        <source>About Wellscope</source>
        <translation>Über Wellscope</translation>
    </message>
</context>
<context>
    <name>App</name>
    <message>
        <source>A plot could not be drawn: </source>
        <translation>Ein Diagramm konnte nicht gezeichnet werden: </translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>print the energies of the levels, one per line, as the energy field shows them (Find pressed --count times); with --all, every level with its nodes, parity, &lt;x&gt;, spread and forbidden-region probability, as View &gt; Levels shows them</source>
        <translation>gibt die Energien der Niveaus aus, eine je Zeile, wie das Energiefeld sie zeigt (Suchen --count-mal gedrückt); mit --all jedes Niveau mit seinen Knoten, seiner Parität, &lt;x&gt;, Streuung und Aufenthaltswahrscheinlichkeit im verbotenen Bereich, wie Ansicht &gt; Niveaus sie zeigt</translation>
    </message>
    <message>
        <source>save a picture of the window (with --levels, of the Levels window); as .svg, both plots as a vector picture</source>
        <translation>speichert ein Bild des Fensters (mit --levels des Fensters Niveaus); als .svg beide Diagramme als Vektorgrafik</translation>
    </message>
    <message>
        <source>save the page that File &gt; Print prints, as a PDF</source>
        <translation>speichert die Seite, die Datei &gt; Drucken druckt, als PDF</translation>
    </message>
    <message>
        <source>save the file that File &gt; Save saves</source>
        <translation>speichert die Datei, die Datei &gt; Speichern speichert</translation>
    </message>
    <message>
        <source>save the plots&apos; data, as File &gt; Export &gt; Data does: x (nm), V (eV), psi</source>
        <translation>speichert die Daten der Diagramme wie Datei &gt; Exportieren &gt; Daten: x (nm), V (eV), psi</translation>
    </message>
    <message>
        <source>symmetric: even or odd (default even)</source>
        <translation>symmetric: even (gerade) oder odd (ungerade) (Vorgabe even)</translation>
    </message>
    <message>
        <source>levels: start energy (default 0.01, or -13.6 for hydrogen); transmission: the first energy</source>
        <translation>levels: Startenergie (Vorgabe 0.01, für hydrogen -13.6); transmission: die erste Energie</translation>
    </message>
    <message>
        <source>transmission: the last energy; resonances: the top of the search (default 15)</source>
        <translation>transmission: die letzte Energie; resonances: die Obergrenze der Suche (Vorgabe 15)</translation>
    </message>
    <message>
        <source>levels: number of levels to look for, 1 to 100 (default 5)</source>
        <translation>levels: Zahl der zu suchenden Niveaus, 1 bis 100 (Vorgabe 5)</translation>
    </message>
    <message>
        <source>levels: every level of the spectrum at once</source>
        <translation>levels: alle Niveaus des Spektrums auf einmal</translation>
    </message>
    <message>
        <source>levels --all: text (aligned columns, default) or csv</source>
        <translation>levels --all: text (ausgerichtete Spalten, Vorgabe) oder csv</translation>
    </message>
    <message>
        <source>levels --all: the exact level of the continuous problem beside each, and the difference in per cent</source>
        <translation>levels --all: neben jedem das exakte Niveau des kontinuierlichen Problems und die Abweichung in Prozent</translation>
    </message>
    <message>
        <source>levels --all: &lt;k&gt; (CSV only), Delta k in nm^-1 and Delta x Delta k of each level</source>
        <translation>levels --all: &lt;k&gt; (nur CSV), Delta k in nm^-1 und Delta x Delta k jedes Niveaus</translation>
    </message>
    <message>
        <source>every command: set up from a .wellscope file first; the other options then apply on top of it</source>
        <translation>jeder Befehl: zuerst aus einer .wellscope-Datei einrichten; die übrigen Optionen gelten dann zusätzlich</translation>
    </message>
    <message>
        <source>every command: the particle&apos;s mass in electron masses, 0.01 to 10 (default 1, the electron)</source>
        <translation>jeder Befehl: die Masse des Teilchens in Elektronenmassen, 0.01 bis 10 (Vorgabe 1, das Elektron)</translation>
    </message>
    <message>
        <source>the window&apos;s and the help&apos;s language: en, de, fr or es (default: the system&apos;s)</source>
        <translation>die Sprache des Fensters und der Hilfe: en, de, fr oder es (Vorgabe: die des Systems)</translation>
    </message>
    <message>
        <source>snapshot, print, save, data: type this energy and press Draw; packet: the packet&apos;s kinetic energy where it starts, from 0 (default %2)</source>
        <translation>snapshot, print, save, data: diese Energie eingeben und Zeichnen drücken; packet: die kinetische Energie des Pakets an seinem Start, ab 0 (Vorgabe %2)</translation>
    </message>
    <message>
        <source>packet: the packet&apos;s centre at t = 0 (default %3); x0 +- 4 sigma must lie between the absorbers at +-3.5 nm</source>
        <translation>packet: die Mitte des Pakets bei t = 0 (Vorgabe %3); x0 +- 4 sigma muss zwischen den Absorbern bei +-3.5 nm liegen</translation>
    </message>
    <message>
        <source>packet: the packet&apos;s width sigma, at least 0.03 nm (default %4)</source>
        <translation>packet: die Breite sigma des Pakets, mindestens 0.03 nm (Vorgabe %4)</translation>
    </message>
    <message>
        <source>snapshot: a picture of the Levels window</source>
        <translation>snapshot: ein Bild des Fensters Niveaus</translation>
    </message>
    <message>
        <source>evolve: the levels, counted from 0 (hydrogen: n from 1)</source>
        <translation>evolve: die Niveaus, ab 0 gezählt (hydrogen: n ab 1)</translation>
    </message>
    <message>
        <source>evolve: one per level, 0 to 1 (default 1 each)</source>
        <translation>evolve: eine je Niveau, 0 bis 1 (Vorgabe je 1)</translation>
    </message>
    <message>
        <source>evolve, packet: the last time, in fs (the first is 0)</source>
        <translation>evolve, packet: der letzte Zeitpunkt, in fs (der erste ist 0)</translation>
    </message>
    <message>
        <source>evolve, packet: the time between rows, in fs (at most %1 rows); packet integrates in equal steps of at most %5 fs, as many as make up --step, so each row&apos;s time is met exactly</source>
        <translation>evolve, packet: die Zeit zwischen den Zeilen, in fs (höchstens %1 Zeilen); packet integriert in gleichen Schritten von höchstens %5 fs, so vielen, wie --step ergeben, sodass jede Zeile ihre Zeit genau trifft</translation>
    </message>
    <message>
        <source>transmission: the energy step, in eV (at most %1 rows)</source>
        <translation>transmission: die Energieschrittweite, in eV (höchstens %1 Zeilen)</translation>
    </message>
    <message>
        <source>transmission: the continuum&apos;s transmission beside, for potentials made of flat pieces (well, symmetric, uneven, barrier, double-barrier, step)</source>
        <translation>transmission: daneben die Transmission des Kontinuums, für Potentiale aus flachen Stücken (well, symmetric, uneven, barrier, double-barrier, step)</translation>
    </message>
    <message>
        <source>show this help</source>
        <translation>diese Hilfe zeigen</translation>
    </message>
    <message>
        <source>show the version</source>
        <translation>die Version zeigen</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 oder %2</translation>
    </message>
    <message>
        <source>%1 to %2%3 in steps of %4</source>
        <translation>%1 bis %2%3 in Schritten von %4</translation>
    </message>
    <message>
        <source>%1 to the %2</source>
        <translation>%1 bis zum %2</translation>
    </message>
    <message>
        <source>Usage: wellscope [COMMAND] [OPTIONS]
Finds the bound states of an electron in a one-dimensional potential,
and its transmission through barriers.
With no command, Wellscope opens its window.

Commands:
</source>
        <translation>Aufruf: wellscope [BEFEHL] [OPTIONEN]
Findet die gebundenen Zustände eines Elektrons in einem eindimensionalen
Potential und seine Transmission durch Barrieren.
Ohne Befehl öffnet Wellscope sein Fenster.

Befehle:
</translation>
    </message>
    <message>
        <source>open the file in the window</source>
        <translation>die Datei im Fenster öffnen</translation>
    </message>
    <message>
        <source>
Options:
</source>
        <translation>
Optionen:
</translation>
    </message>
    <message>
        <source>%1 (default well)</source>
        <translation>%1 (Vorgabe well)</translation>
    </message>
    <message>
        <source>Qt&apos;s own options (-style, -platform, -reverse, -qwindowgeometry, ...) are
passed to Qt.
</source>
        <translation>Die Optionen von Qt selbst (-style, -platform, -reverse, -qwindowgeometry, ...)
gehen an Qt.
</translation>
    </message>
    <message>
        <source>print &lt;x&gt;, its spread and the norm of a superposition of levels in time, as CSV: %1</source>
        <translation>gibt &lt;x&gt;, seine Streuung und die Norm einer Überlagerung von Niveaus im Lauf der Zeit aus, als CSV: %1</translation>
    </message>
    <message>
        <source>print a Gaussian wave packet moving through the potential (left and right: the probability at x &lt; 0 and x &gt;= 0, with what each side&apos;s absorber took), as CSV: %1</source>
        <translation>gibt ein gaußsches Wellenpaket aus, das durch das Potential läuft (left und right: die Wahrscheinlichkeit bei x &lt; 0 und x &gt;= 0, samt dem, was der Absorber der Seite aufnahm), als CSV: %1</translation>
    </message>
    <message>
        <source>print the grid&apos;s transmission and reflection of a particle coming in from the left, as CSV: %1 (and exact_transmission with --exact); the cells are empty where a lead is closed</source>
        <translation>gibt Transmission und Reflexion eines von links einlaufenden Teilchens auf dem Gitter aus, als CSV: %1 (und exact_transmission mit --exact); die Zellen sind leer, wo eine Zuleitung geschlossen ist</translation>
    </message>
    <message>
        <source>print the maxima of the transmission from the lowest open energy up to --to, as View &gt; Transmission lists them, as CSV: %1</source>
        <translation>gibt die Maxima der Transmission von der niedrigsten offenen Energie bis --to aus, wie Ansicht &gt; Transmission sie auflistet, als CSV: %1</translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>Particle: </source>
        <translation>Teilchen: </translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>ExactLevels</name>
    <message>
        <source>The exact values are those of the uncut Coulomb potential. The program&apos;s potential ends at the edge of the plot, which raises the upper levels and leaves only a few of them bound.</source>
        <translation>Die exakten Werte sind die des unbeschnittenen Coulomb-Potentials. Das Potential des Programms endet am Rand des Diagramms; das hebt die oberen Niveaus an und lässt nur wenige von ihnen gebunden.</translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <source>Wellscope files (*.wellscope)</source>
        <translation>Wellscope-Dateien (*.wellscope)</translation>
    </message>
    <message>
        <source>The reshaped potential has not been saved. Save it first?</source>
        <translation>Das umgeformte Potential wurde nicht gespeichert. Zuerst speichern?</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>Export Data</source>
        <translation>Daten exportieren</translation>
    </message>
    <message>
        <source>Export Picture</source>
        <translation>Bild exportieren</translation>
    </message>
    <message>
        <source>Cannot open “%1”: %2.</source>
        <translation>„%1“ kann nicht geöffnet werden: %2.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Cannot save “%1”: %2.</source>
        <translation>„%1“ kann nicht gespeichert werden: %2.</translation>
    </message>
    <message>
        <source>Cannot export to “%1”: %2.</source>
        <translation>Export nach „%1“ nicht möglich: %2.</translation>
    </message>
    <message>
        <source>a picture is saved as .svg or .png</source>
        <translation>ein Bild wird als .svg oder .png gespeichert</translation>
    </message>
</context>
<context>
    <name>FileIO</name>
    <message>
        <source>there is no such file</source>
        <translation>diese Datei gibt es nicht</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>es ist ein Ordner</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>es ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>it is too large (more than %1 KiB)</source>
        <translation>die Datei ist zu groß (mehr als %1 KiB)</translation>
    </message>
    <message>
        <source>the folder does not exist</source>
        <translation>der Ordner existiert nicht</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 ist kein Ordner</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>keine Berechtigung</translation>
    </message>
</context>
<context>
    <name>LevelsReport</name>
    <message>
        <source>even</source>
        <translation>gerade</translation>
    </message>
    <message>
        <source>odd</source>
        <translation>ungerade</translation>
    </message>
    <message>
        <source>Energy (eV)</source>
        <translation>Energie (eV)</translation>
    </message>
    <message>
        <source>Nodes</source>
        <translation>Knoten</translation>
    </message>
    <message>
        <source>Parity</source>
        <translation>Parität</translation>
    </message>
    <message>
        <source>Forbidden (%)</source>
        <translation>Verboten (%)</translation>
    </message>
    <message>
        <source>Exact (eV)</source>
        <translation>Exakt (eV)</translation>
    </message>
    <message>
        <source>Difference (%)</source>
        <translation>Abweichung (%)</translation>
    </message>
    <message>
        <source>No bound state below %1 eV</source>
        <translation>Kein gebundener Zustand unter %1 eV</translation>
    </message>
</context>
<context>
    <name>LevelsWindow</name>
    <message>
        <source>No bound state</source>
        <translation>Kein gebundener Zustand</translation>
    </message>
    <message>
        <source>No level chosen</source>
        <translation>Kein Niveau gewählt</translation>
    </message>
    <message>
        <source>Level n = %1, E = %2 eV</source>
        <translation>Niveau n = %1, E = %2 eV</translation>
    </message>
    <message>
        <source>Level n = %1 in momentum space, $D$k = %2 nm^-1</source>
        <translation>Niveau n = %1 im Impulsraum, $D$k = %2 nm^-1</translation>
    </message>
    <message>
        <source>Levels</source>
        <translation>Niveaus</translation>
    </message>
    <message>
        <source>Energy (eV)</source>
        <translation>Energie (eV)</translation>
    </message>
    <message>
        <source>Show |ψ|² instead of ψ</source>
        <translation>|ψ|² statt ψ zeigen</translation>
    </message>
    <message>
        <source>Show |φ(k)|² in momentum space</source>
        <translation>|φ(k)|² im Impulsraum zeigen</translation>
    </message>
    <message>
        <source>Levels — %1</source>
        <translation>Niveaus — %1</translation>
    </message>
    <message>
        <source>Amplitude</source>
        <translation>Amplitude</translation>
    </message>
    <message>
        <source>Levels plot</source>
        <translation>Niveaudiagramm</translation>
    </message>
    <message>
        <source>Chosen state plot</source>
        <translation>Diagramm des gewählten Zustands</translation>
    </message>
    <message>
        <source>Levels table</source>
        <translation>Niveautabelle</translation>
    </message>
    <message>
        <source>Bound states: %1, from %2 to %3 eV</source>
        <translation>Gebundene Zustände: %1, von %2 bis %3 eV</translation>
    </message>
    <message>
        <source>Level %1 of %2, %3 eV, nodes: %4</source>
        <translation>Niveau %1 von %2, %3 eV, Knoten: %4</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation>&amp;Öffnen…</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>&amp;Zuletzt geöffnet</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save &amp;As…</source>
        <translation>Speichern &amp;unter…</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>&amp;Exportieren</translation>
    </message>
    <message>
        <source>&amp;Data (CSV)…</source>
        <translation>&amp;Daten (CSV)…</translation>
    </message>
    <message>
        <source>&amp;Picture (SVG or PNG)…</source>
        <translation>&amp;Bild (SVG oder PNG)…</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Ausschneiden</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>Cle&amp;ar</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Levels…</source>
        <translation>&amp;Niveaus…</translation>
    </message>
    <message>
        <source>&amp;Wave Packet…</source>
        <translation>&amp;Wellenpaket…</translation>
    </message>
    <message>
        <source>&amp;Transmission…</source>
        <translation>Trans&amp;mission…</translation>
    </message>
    <message>
        <source>P&amp;article</source>
        <translation>&amp;Teilchen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;About Wellscope…</source>
        <translation>Über &amp;Wellscope…</translation>
    </message>
</context>
<context>
    <name>PacketWindow</name>
    <message>
        <source>Momentum space: &amp;|$f$(k,t)&amp;|^2^, and T(k) in grey (1 at the top)</source>
        <translation>Impulsraum: &amp;|$f$(k,t)&amp;|^2^ und T(k) in Grau (1 oben)</translation>
    </message>
    <message>
        <source>probability</source>
        <translation>Wahrscheinlichkeit</translation>
    </message>
    <message>
        <source>Left of x = 0 (blue) and right (red), with what the absorbers took</source>
        <translation>Links von x = 0 (blau) und rechts (rot), samt dem, was die Absorber aufnahmen</translation>
    </message>
    <message>
        <source>&amp;|$Y$(x,t)&amp;|^2^ on the line of its energy (green) over the potential</source>
        <translation>&amp;|$Y$(x,t)&amp;|^2^ auf der Linie seiner Energie (grün) über dem Potential</translation>
    </message>
    <message>
        <source>No wave packet</source>
        <translation>Kein Wellenpaket</translation>
    </message>
    <message>
        <source>Wave Packet</source>
        <translation>Wellenpaket</translation>
    </message>
    <message>
        <source>Re Ψ (blue)</source>
        <translation>Re Ψ (blau)</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Abspielen</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>Simulated femtoseconds per second</source>
        <translation>Simulierte Femtosekunden je Sekunde</translation>
    </message>
    <message>
        <source>The packet&apos;s kinetic energy where it starts</source>
        <translation>Die kinetische Energie des Pakets an seinem Start</translation>
    </message>
    <message>
        <source>Wave Packet — %1</source>
        <translation>Wellenpaket — %1</translation>
    </message>
    <message>
        <source>The wave packet is not available in this potential: it is infinite at the Hydrogen row&apos;s nucleus. Choose another potential.</source>
        <translation>Das Wellenpaket steht in diesem Potential nicht zur Verfügung: Es ist am Kern der Zeile Wasserstoff unendlich. Wählen Sie ein anderes Potential.</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; is not a number</source>
        <translation>%1: „%2“ ist keine Zahl</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Transmitted: %1</source>
        <translation>Durchgelassen: %1</translation>
    </message>
    <message>
        <source>Transmitted: once the packet has left</source>
        <translation>Durchgelassen: sobald das Paket fort ist</translation>
    </message>
    <message>
        <source>Wave packet plot</source>
        <translation>Diagramm des Wellenpakets</translation>
    </message>
    <message>
        <source>Momentum space plot</source>
        <translation>Diagramm im Impulsraum</translation>
    </message>
    <message>
        <source>Left and right plot</source>
        <translation>Diagramm links und rechts</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Geschwindigkeit</translation>
    </message>
</context>
<context>
    <name>ParticleCommands</name>
    <message>
        <source>&amp;Other Mass…</source>
        <translation>&amp;Andere Masse…</translation>
    </message>
    <message>
        <source>Particle</source>
        <translation>Teilchen</translation>
    </message>
    <message>
        <source>Mass in electron masses (mₑ):</source>
        <translation>Masse in Elektronenmassen (mₑ):</translation>
    </message>
</context>
<context>
    <name>Particles</name>
    <message>
        <source>particle of %1</source>
        <translation>Teilchen mit %1</translation>
    </message>
    <message>
        <source>Electron</source>
        <translation>Elektron</translation>
    </message>
    <message>
        <source>GaAs conduction-band electron</source>
        <translation>Leitungsbandelektron in GaAs</translation>
    </message>
    <message>
        <source>GaAs heavy hole</source>
        <translation>Schweres Loch in GaAs</translation>
    </message>
</context>
<context>
    <name>PotentialRows</name>
    <message>
        <source>Well</source>
        <translation>Topf</translation>
    </message>
    <message>
        <source>Symmetric Well</source>
        <translation>Doppeltopf</translation>
    </message>
    <message>
        <source>Uneven</source>
        <translation>Ungleich</translation>
    </message>
    <message>
        <source>Ramp</source>
        <translation>Rampe</translation>
    </message>
    <message>
        <source>Oscillator</source>
        <translation>Oszillator</translation>
    </message>
    <message>
        <source>Hydrogen</source>
        <translation>Wasserstoff</translation>
    </message>
    <message>
        <source>Draw</source>
        <translation>Zeichnen</translation>
    </message>
    <message>
        <source>Barrier</source>
        <translation>Barriere</translation>
    </message>
    <message>
        <source>Double Barrier</source>
        <translation>Doppelbarriere</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Stufe</translation>
    </message>
    <message>
        <source>Width = </source>
        <translation>Breite = </translation>
    </message>
    <message>
        <source>Ctr to Ctr = </source>
        <translation>Abstand = </translation>
    </message>
    <message>
        <source>Well Width = </source>
        <translation>Topfbreite = </translation>
    </message>
    <message>
        <source>Left Height = </source>
        <translation>Höhe links = </translation>
    </message>
    <message>
        <source>Right Height = </source>
        <translation>Höhe rechts = </translation>
    </message>
    <message>
        <source>Slope</source>
        <translation>Steigung</translation>
    </message>
    <message>
        <source>Height = </source>
        <translation>Höhe = </translation>
    </message>
    <message>
        <source>Narrowness</source>
        <translation>Enge</translation>
    </message>
    <message>
        <source>Barrier Width = </source>
        <translation>Barrierenbr. = </translation>
    </message>
    <message>
        <source>inf</source>
        <translation>∞</translation>
    </message>
    <message>
        <source>Wd</source>
        <translation>Br</translation>
    </message>
    <message>
        <source>Nw</source>
        <translation>Sm</translation>
    </message>
    <message>
        <source>width</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>centre-to-centre distance</source>
        <translation>Mittenabstand</translation>
    </message>
    <message>
        <source>width of each well</source>
        <translation>Breite jedes Topfes</translation>
    </message>
    <message>
        <source>left wall height</source>
        <translation>Höhe der linken Wand</translation>
    </message>
    <message>
        <source>right wall height</source>
        <translation>Höhe der rechten Wand</translation>
    </message>
    <message>
        <source>slope</source>
        <translation>Steigung</translation>
    </message>
    <message>
        <source>height</source>
        <translation>Höhe</translation>
    </message>
    <message>
        <source>narrowness</source>
        <translation>Enge</translation>
    </message>
    <message>
        <source>width of each barrier</source>
        <translation>Breite jeder Barriere</translation>
    </message>
</context>
<context>
    <name>TimeView</name>
    <message>
        <source>|Ψ|² (black)</source>
        <translation>|Ψ|² (schwarz)</translation>
    </message>
    <message>
        <source>Re Ψ (blue)</source>
        <translation>Re Ψ (blau)</translation>
    </message>
    <message>
        <source>Im Ψ (red)</source>
        <translation>Im Ψ (rot)</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Abspielen</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>Simulated femtoseconds per second</source>
        <translation>Simulierte Femtosekunden je Sekunde</translation>
    </message>
    <message>
        <source>Superposition: &amp;|$Y$&amp;|^2^ in nm^-1^, $Y$ in nm^-1/2</source>
        <translation>Überlagerung: &amp;|$Y$&amp;|^2^ in nm^-1^, $Y$ in nm^-1/2</translation>
    </message>
    <message>
        <source>Beat period = %1</source>
        <translation>Schwebungsperiode = %1</translation>
    </message>
    <message>
        <source>No beat: the two levels have the same energy</source>
        <translation>Keine Schwebung: Die beiden Niveaus haben dieselbe Energie</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Geschwindigkeit</translation>
    </message>
</context>
<context>
    <name>TransmissionText</name>
    <message>
        <source>T is undefined: the potential is not finite everywhere</source>
        <translation>T ist nicht definiert: Das Potential ist nicht überall endlich</translation>
    </message>
    <message>
        <source>T is undefined at E = %1: below both leads&apos; potential (%2 left, %3 right)</source>
        <translation>T ist bei E = %1 nicht definiert: unter dem Potential beider Zuleitungen (%2 links, %3 rechts)</translation>
    </message>
    <message>
        <source>T is undefined at E = %1: below the left lead&apos;s potential, %2</source>
        <translation>T ist bei E = %1 nicht definiert: unter dem Potential der linken Zuleitung, %2</translation>
    </message>
    <message>
        <source>T is undefined at E = %1: below the right lead&apos;s potential, %2</source>
        <translation>T ist bei E = %1 nicht definiert: unter dem Potential der rechten Zuleitung, %2</translation>
    </message>
    <message>
        <source>T is undefined at E = %1: above the grid&apos;s highest energy in a lead, %2</source>
        <translation>T ist bei E = %1 nicht definiert: über der höchsten Energie des Gitters in einer Zuleitung, %2</translation>
    </message>
    <message>
        <source>Flux (nm/fs): in %1, reflected %2, transmitted %3 = net %4</source>
        <translation>Fluss (nm/fs): ein %1, reflektiert %2, durchgelassen %3 = netto %4</translation>
    </message>
    <message>
        <source>→ incoming, |A| = 1</source>
        <translation>→ einlaufend, |A| = 1</translation>
    </message>
    <message>
        <source>← reflected, |r| = %1</source>
        <translation>← reflektiert, |r| = %1</translation>
    </message>
    <message>
        <source>transmitted, |t| = %1 →</source>
        <translation>durchgelassen, |t| = %1 →</translation>
    </message>
    <message>
        <source>Energy (eV)</source>
        <translation>Energie (eV)</translation>
    </message>
    <message>
        <source>Width Γ (eV)</source>
        <translation>Breite Γ (eV)</translation>
    </message>
    <message>
        <source>Lifetime ħ/Γ (fs)</source>
        <translation>Lebensdauer ħ/Γ (fs)</translation>
    </message>
    <message>
        <source>Peak T</source>
        <translation>Maximales T</translation>
    </message>
</context>
<context>
    <name>TransmissionWindow</name>
    <message>
        <source>No scattering state at %1</source>
        <translation>Kein Streuzustand bei %1</translation>
    </message>
    <message>
        <source>Scattering state at %1</source>
        <translation>Streuzustand bei %1</translation>
    </message>
    <message>
        <source>No open energy</source>
        <translation>Keine offene Energie</translation>
    </message>
    <message>
        <source>Computing…</source>
        <translation>Wird berechnet…</translation>
    </message>
    <message>
        <source>T (black) and R (blue)</source>
        <translation>T (schwarz) und R (blau)</translation>
    </message>
    <message>
        <source>T (black) and R (blue), continuum&apos;s T (green, dashed)</source>
        <translation>T (schwarz) und R (blau), T des Kontinuums (grün, gestrichelt)</translation>
    </message>
    <message>
        <source>Transmission</source>
        <translation>Transmission</translation>
    </message>
    <message>
        <source>Potential</source>
        <translation>Potential</translation>
    </message>
    <message>
        <source>Potential (eV)</source>
        <translation>Potential (eV)</translation>
    </message>
    <message>
        <source>Scattering state</source>
        <translation>Streuzustand</translation>
    </message>
    <message>
        <source>Energy (eV)</source>
        <translation>Energie (eV)</translation>
    </message>
    <message>
        <source>Logarithmic T axis</source>
        <translation>Logarithmische T-Achse</translation>
    </message>
    <message>
        <source>Top:</source>
        <translation>Obergrenze:</translation>
    </message>
    <message>
        <source>Transmission — %1</source>
        <translation>Transmission — %1</translation>
    </message>
    <message>
        <source>No resonance</source>
        <translation>Keine Resonanz</translation>
    </message>
    <message>
        <source>1 resonance</source>
        <translation>1 Resonanz</translation>
    </message>
    <message>
        <source>%1 resonances</source>
        <translation>%1 Resonanzen</translation>
    </message>
    <message>
        <source>T is undefined: the potential is not finite everywhere</source>
        <translation>T ist nicht definiert: Das Potential ist nicht überall endlich</translation>
    </message>
    <message>
        <source>No energy below the top is open in both leads (they open at %1 eV)</source>
        <translation>Keine Energie unter der Obergrenze ist in beiden Zuleitungen offen (sie öffnen bei %1 eV)</translation>
    </message>
    <message>
        <source>%1 from %2 to %3 eV</source>
        <translation>%1 von %2 bis %3 eV</translation>
    </message>
    <message>
        <source>Top of the energy range</source>
        <translation>Obere Grenze des Energiebereichs</translation>
    </message>
    <message>
        <source>Resonances table</source>
        <translation>Resonanztabelle</translation>
    </message>
</context>
<context>
    <name>Window1</name>
    <message>
        <source>Symmetric</source>
        <translation>Symmetrisch</translation>
    </message>
    <message>
        <source>Anti-Symmetric</source>
        <translation>Antisymmetrisch</translation>
    </message>
    <message>
        <source>Energy =</source>
        <translation>Energie =</translation>
    </message>
    <message>
        <source>Draw </source>
        <translation>Zeichnen </translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>To modify the function, click once at a point on the line to create a handle, then drag the handle vertically to a new position.</source>
        <translation>Um die Funktion zu ändern, klicken Sie einmal auf einen Punkt der Linie, um einen Griff anzulegen, und ziehen Sie den Griff dann senkrecht an eine neue Stelle.</translation>
    </message>
    <message>
        <source>eV</source>
        <translation>eV</translation>
    </message>
    <message>
        <source>no energy</source>
        <translation>keine Energie</translation>
    </message>
    <message>
        <source>Potential</source>
        <translation>Potential</translation>
    </message>
    <message>
        <source>Parity</source>
        <translation>Parität</translation>
    </message>
    <message>
        <source>Even (symmetric) or odd (anti-symmetric) solutions</source>
        <translation>Gerade (symmetrische) oder ungerade (antisymmetrische) Lösungen</translation>
    </message>
    <message>
        <source>Energy in eV</source>
        <translation>Energie in eV</translation>
    </message>
    <message>
        <source>Draw</source>
        <translation>Zeichnen</translation>
    </message>
    <message>
        <source>Solve at the energy typed</source>
        <translation>Bei der eingegebenen Energie lösen</translation>
    </message>
    <message>
        <source>Search upward for the next level</source>
        <translation>Aufwärts nach dem nächsten Niveau suchen</translation>
    </message>
    <message>
        <source>Potential plot</source>
        <translation>Potentialdiagramm</translation>
    </message>
    <message>
        <source>Wave function plot</source>
        <translation>Diagramm der Wellenfunktion</translation>
    </message>
    <message>
        <source>Potential: %1</source>
        <translation>Potential: %1</translation>
    </message>
    <message>
        <source>even solutions</source>
        <translation>gerade Lösungen</translation>
    </message>
    <message>
        <source>odd solutions</source>
        <translation>ungerade Lösungen</translation>
    </message>
    <message>
        <source>reshaped with the mouse</source>
        <translation>mit der Maus umgeformt</translation>
    </message>
    <message>
        <source>%1; trial energy %2</source>
        <translation>%1; Probeenergie %2</translation>
    </message>
    <message>
        <source>Wave function at %1, %2 nodes where the energy lies above the potential</source>
        <translation>Wellenfunktion bei %1, %2 Knoten, wo die Energie über dem Potential liegt</translation>
    </message>
    <message>
        <source>Potential (eV)</source>
        <translation>Potential (eV)</translation>
    </message>
    <message>
        <source>Solution for Energy = </source>
        <translation>Lösung für Energie = </translation>
    </message>
    <message>
        <source>Psi_E (relative)</source>
        <translation>Psi_E (relativ)</translation>
    </message>
</context>
</TS>
