<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AboutWndo</name>
    <message>
        <source>About Wellscope</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>App</name>
    <message>
        <source>A plot could not be drawn: </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>print the energies of the levels, one per line, as the energy field shows them (Find pressed --count times); with --all, every level with its nodes, parity, &lt;x&gt;, spread and forbidden-region probability, as View &gt; Levels shows them</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>save a picture of the window (with --levels, of the Levels window); as .svg, both plots as a vector picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>save the page that File &gt; Print prints, as a PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>save the file that File &gt; Save saves</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>save the plots&apos; data, as File &gt; Export &gt; Data does: x (nm), V (eV), psi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>print &lt;x&gt;, its spread and the norm of a superposition of levels in time, as CSV: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>print a Gaussian wave packet moving through the potential (left and right: the probability at x &lt; 0 and x &gt;= 0, with what each side&apos;s absorber took), as CSV: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>print the grid&apos;s transmission and reflection of a particle coming in from the left, as CSV: energy_eV,transmission,reflection (and exact_transmission with --exact); the cells are empty where a lead is closed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>print the maxima of the transmission from the lowest open energy up to --to, as View &gt; Transmission lists them, as CSV: energy_eV,width_eV,lifetime_fs,peak_transmission</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>symmetric: even or odd (default even)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>levels: start energy (default 0.01, or -13.6 for hydrogen); transmission: the first energy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>transmission: the last energy; resonances: the top of the search (default 15)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>levels: number of levels to look for, 1 to 100 (default 5)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>levels: every level of the spectrum at once</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>levels --all: text (aligned columns, default) or csv</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>levels --all: the exact level of the continuous problem beside each, and the difference in per cent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>levels --all: &lt;k&gt; (CSV only), Delta k in nm^-1 and Delta x Delta k of each level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>every command: set up from a .wellscope file first; the other options then apply on top of it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>every command: the particle&apos;s mass in electron masses, 0.01 to 10 (default 1, the electron)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the window&apos;s and the help&apos;s language: en, de, fr or es (default: the system&apos;s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>snapshot, print, save, data: type this energy and press Draw; packet: the packet&apos;s kinetic energy where it starts, from 0 (default %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>packet: the packet&apos;s centre at t = 0 (default %3); x0 +- 4 sigma must lie between the absorbers at +-3.5 nm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>packet: the packet&apos;s width sigma, at least 0.03 nm (default %4)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>snapshot: a picture of the Levels window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>evolve: the levels, counted from 0 (hydrogen: n from 1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>evolve: one per level, 0 to 1 (default 1 each)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>evolve, packet: the last time, in fs (the first is 0)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>evolve, packet: the time between rows, in fs (at most %1 rows); packet integrates in equal steps of at most %5 fs, as many as make up --step, so each row&apos;s time is met exactly</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>transmission: the energy step, in eV (at most %1 rows)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>transmission: the continuum&apos;s transmission beside, for potentials made of flat pieces (well, symmetric, uneven, barrier, double-barrier, step)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>show this help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>show the version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 to %2%3 in steps of %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 to the %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usage: wellscope [COMMAND] [OPTIONS]
Finds the bound states of an electron in a one-dimensional potential,
and its transmission through barriers.
With no command, Wellscope opens its window.

Commands:
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>open the file in the window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
Options:
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (default well)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Qt&apos;s own options (-style, -platform, -reverse, -qwindowgeometry, ...) are
passed to Qt.
</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>Particle: </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <source>Wellscope files (*.wellscope)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The reshaped potential has not been saved. Save it first?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save As</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot open “%1”: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot save “%1”: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot export to “%1”: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a picture is saved as .svg or .png</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LevelsReport</name>
    <message>
        <source>even</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>odd</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Energy (eV)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nodes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Parity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Forbidden (%)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exact (eV)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Difference (%)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No bound state below %1 eV</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LevelsWindow</name>
    <message>
        <source>No bound state</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No level chosen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Level n = %1, E = %2 eV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Level n = %1 in momentum space, $D$k = %2 nm^-1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save &amp;As…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Data (CSV)…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Picture (SVG or PNG)…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cle&amp;ar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Levels…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Wave Packet…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Transmission…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>P&amp;article</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About Wellscope…</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PacketWindow</name>
    <message>
        <source>Momentum space: &amp;|$f$(k,t)&amp;|^2^, and T(k) in grey (1 at the top)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>probability</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left of x = 0 (blue) and right (red), with what the absorbers took</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;|$Y$(x,t)&amp;|^2^ on the line of its energy (green) over the potential</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No wave packet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wave Packet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Re Ψ (blue)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Simulated femtoseconds per second</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The packet&apos;s kinetic energy where it starts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wave Packet — %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The wave packet is not available in this potential: it is infinite at the Hydrogen row&apos;s nucleus. Choose another potential.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; is not a number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pause</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transmitted: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transmitted: once the packet has left</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ParticleCommands</name>
    <message>
        <source>&amp;Other Mass…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Particle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mass in electron masses (mₑ):</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Particles</name>
    <message>
        <source>particle of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Electron</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GaAs conduction-band electron</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GaAs heavy hole</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PotentialRows</name>
    <message>
        <source>Well</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Symmetric Well</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uneven</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ramp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Oscillator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hydrogen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Draw</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Barrier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Double Barrier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Step</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Width = </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctr to Ctr = </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Well Width = </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left Height = </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right Height = </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slope</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Height = </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Narrowness</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Barrier Width = </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>inf</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wd</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nw</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>centre-to-centre distance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>width of each well</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>left wall height</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>right wall height</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>slope</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>height</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>narrowness</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>width of each barrier</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TransmissionText</name>
    <message>
        <source>T is undefined: the potential is not finite everywhere</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>T is undefined at E = %1: below both leads&apos; potential (%2 left, %3 right)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>T is undefined at E = %1: below the left lead&apos;s potential, %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>T is undefined at E = %1: below the right lead&apos;s potential, %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>T is undefined at E = %1: above the grid&apos;s highest energy in a lead, %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flux (nm/fs): in %1, reflected %2, transmitted %3 = net %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>→ incoming, |A| = 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>← reflected, |r| = %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>transmitted, |t| = %1 →</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Energy (eV)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Width Γ (eV)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lifetime ħ/Γ (fs)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Peak T</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TransmissionWindow</name>
    <message>
        <source>No scattering state at %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scattering state at %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No open energy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Computing…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>T (black) and R (blue)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>T (black) and R (blue), continuum&apos;s T (green, dashed)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transmission</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Potential</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Potential (eV)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scattering state</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Energy (eV)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Logarithmic T axis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Top:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transmission — %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No resonance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 resonance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 resonances</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>T is undefined: the potential is not finite everywhere</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No energy below the top is open in both leads (they open at %1 eV)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 from %2 to %3 eV</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Window1</name>
    <message>
        <source>Symmetric</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anti-Symmetric</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Energy =</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Draw </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To modify the function, click once at a point on the line to create a handle, then drag the handle vertically to a new position.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>eV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no energy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Potential</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Parity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Even (symmetric) or odd (anti-symmetric) solutions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Energy in eV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Draw</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Solve at the energy typed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search upward for the next level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Potential plot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wave function plot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Potential: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>even solutions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>odd solutions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>reshaped with the mouse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1; trial energy %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wave function at %1, %2 nodes where the energy lies above the potential</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Potential (eV)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Solution for Energy = </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Psi_E (relative)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
