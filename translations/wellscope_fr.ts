<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AboutWndo</name>
    <message>
        <source>About Wellscope</source>
        <translation>À propos de Wellscope</translation>
    </message>
</context>
<context>
    <name>App</name>
    <message>
        <source>A plot could not be drawn: </source>
        <translation>Un graphique n&apos;a pas pu être tracé : </translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>print the energies of the levels, one per line, as the energy field shows them (Find pressed --count times); with --all, every level with its nodes, parity, &lt;x&gt;, spread and forbidden-region probability, as View &gt; Levels shows them</source>
        <translation>affiche les énergies des niveaux, une par ligne, comme le champ d&apos;énergie les montre (Chercher pressé --count fois) ; avec --all, chaque niveau avec ses nœuds, sa parité, &lt;x&gt;, sa dispersion et la probabilité dans la région interdite, comme Affichage &gt; Niveaux les montre</translation>
    </message>
    <message>
        <source>save a picture of the window (with --levels, of the Levels window); as .svg, both plots as a vector picture</source>
        <translation>enregistre une image de la fenêtre (avec --levels, de la fenêtre Niveaux) ; en .svg, les deux graphiques en image vectorielle</translation>
    </message>
    <message>
        <source>save the page that File &gt; Print prints, as a PDF</source>
        <translation>enregistre la page que Fichier &gt; Imprimer imprime, en PDF</translation>
    </message>
    <message>
        <source>save the file that File &gt; Save saves</source>
        <translation>enregistre le fichier que Fichier &gt; Enregistrer enregistre</translation>
    </message>
    <message>
        <source>save the plots&apos; data, as File &gt; Export &gt; Data does: x (nm), V (eV), psi</source>
        <translation>enregistre les données des graphiques, comme Fichier &gt; Exporter &gt; Données : x (nm), V (eV), psi</translation>
    </message>
    <message>
        <source>symmetric: even or odd (default even)</source>
        <translation>symmetric : even (paire) ou odd (impaire) (par défaut even)</translation>
    </message>
    <message>
        <source>levels: start energy (default 0.01, or -13.6 for hydrogen); transmission: the first energy</source>
        <translation>levels : énergie de départ (par défaut 0.01, ou -13.6 pour hydrogen) ; transmission : la première énergie</translation>
    </message>
    <message>
        <source>transmission: the last energy; resonances: the top of the search (default 15)</source>
        <translation>transmission : la dernière énergie ; resonances : le haut de la recherche (par défaut 15)</translation>
    </message>
    <message>
        <source>levels: number of levels to look for, 1 to 100 (default 5)</source>
        <translation>levels : nombre de niveaux à chercher, de 1 à 100 (par défaut 5)</translation>
    </message>
    <message>
        <source>levels: every level of the spectrum at once</source>
        <translation>levels : tous les niveaux du spectre d&apos;un coup</translation>
    </message>
    <message>
        <source>levels --all: text (aligned columns, default) or csv</source>
        <translation>levels --all : text (colonnes alignées, par défaut) ou csv</translation>
    </message>
    <message>
        <source>levels --all: the exact level of the continuous problem beside each, and the difference in per cent</source>
        <translation>levels --all : à côté de chacun, le niveau exact du problème continu et l&apos;écart en pour cent</translation>
    </message>
    <message>
        <source>levels --all: &lt;k&gt; (CSV only), Delta k in nm^-1 and Delta x Delta k of each level</source>
        <translation>levels --all : &lt;k&gt; (CSV seulement), Delta k en nm^-1 et Delta x Delta k de chaque niveau</translation>
    </message>
    <message>
        <source>every command: set up from a .wellscope file first; the other options then apply on top of it</source>
        <translation>toute commande : partir d&apos;abord d&apos;un fichier .wellscope ; les autres options s&apos;appliquent ensuite par-dessus</translation>
    </message>
    <message>
        <source>every command: the particle&apos;s mass in electron masses, 0.01 to 10 (default 1, the electron)</source>
        <translation>toute commande : la masse de la particule en masses d&apos;électron, de 0.01 à 10 (par défaut 1, l&apos;électron)</translation>
    </message>
    <message>
        <source>the window&apos;s and the help&apos;s language: en, de, fr or es (default: the system&apos;s)</source>
        <translation>la langue de la fenêtre et de l&apos;aide : en, de, fr ou es (par défaut : celle du système)</translation>
    </message>
    <message>
        <source>snapshot, print, save, data: type this energy and press Draw; packet: the packet&apos;s kinetic energy where it starts, from 0 (default %2)</source>
        <translation>snapshot, print, save, data : saisir cette énergie et presser Tracer ; packet : l&apos;énergie cinétique du paquet à son départ, à partir de 0 (par défaut %2)</translation>
    </message>
    <message>
        <source>packet: the packet&apos;s centre at t = 0 (default %3); x0 +- 4 sigma must lie between the absorbers at +-3.5 nm</source>
        <translation>packet : le centre du paquet à t = 0 (par défaut %3) ; x0 +- 4 sigma doit se trouver entre les absorbeurs à +-3.5 nm</translation>
    </message>
    <message>
        <source>packet: the packet&apos;s width sigma, at least 0.03 nm (default %4)</source>
        <translation>packet : la largeur sigma du paquet, au moins 0.03 nm (par défaut %4)</translation>
    </message>
    <message>
        <source>snapshot: a picture of the Levels window</source>
        <translation>snapshot : une image de la fenêtre Niveaux</translation>
    </message>
    <message>
        <source>evolve: the levels, counted from 0 (hydrogen: n from 1)</source>
        <translation>evolve : les niveaux, comptés à partir de 0 (hydrogen : n à partir de 1)</translation>
    </message>
    <message>
        <source>evolve: one per level, 0 to 1 (default 1 each)</source>
        <translation>evolve : une par niveau, de 0 à 1 (par défaut 1 chacune)</translation>
    </message>
    <message>
        <source>evolve, packet: the last time, in fs (the first is 0)</source>
        <translation>evolve, packet : le dernier instant, en fs (le premier est 0)</translation>
    </message>
    <message>
        <source>evolve, packet: the time between rows, in fs (at most %1 rows); packet integrates in equal steps of at most %5 fs, as many as make up --step, so each row&apos;s time is met exactly</source>
        <translation>evolve, packet : le temps entre les lignes, en fs (au plus %1 lignes) ; packet intègre par pas égaux d&apos;au plus %5 fs, autant qu&apos;il en faut pour faire --step, si bien que le temps de chaque ligne est atteint exactement</translation>
    </message>
    <message>
        <source>transmission: the energy step, in eV (at most %1 rows)</source>
        <translation>transmission : le pas d&apos;énergie, en eV (au plus %1 lignes)</translation>
    </message>
    <message>
        <source>transmission: the continuum&apos;s transmission beside, for potentials made of flat pieces (well, symmetric, uneven, barrier, double-barrier, step)</source>
        <translation>transmission : à côté, la transmission du continu, pour les potentiels faits de morceaux plats (well, symmetric, uneven, barrier, double-barrier, step)</translation>
    </message>
    <message>
        <source>show this help</source>
        <translation>afficher cette aide</translation>
    </message>
    <message>
        <source>show the version</source>
        <translation>afficher la version</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 ou %2</translation>
    </message>
    <message>
        <source>%1 to %2%3 in steps of %4</source>
        <translation>de %1 à %2%3 par pas de %4</translation>
    </message>
    <message>
        <source>%1 to the %2</source>
        <translation>de %1 à la %2</translation>
    </message>
    <message>
        <source>Usage: wellscope [COMMAND] [OPTIONS]
Finds the bound states of an electron in a one-dimensional potential,
and its transmission through barriers.
With no command, Wellscope opens its window.

Commands:
</source>
        <translation>Usage : wellscope [COMMANDE] [OPTIONS]
Trouve les états liés d&apos;un électron dans un potentiel à une dimension,
et sa transmission à travers des barrières.
Sans commande, Wellscope ouvre sa fenêtre.

Commandes :
</translation>
    </message>
    <message>
        <source>open the file in the window</source>
        <translation>ouvrir le fichier dans la fenêtre</translation>
    </message>
    <message>
        <source>
Options:
</source>
        <translation>
Options :
</translation>
    </message>
    <message>
        <source>%1 (default well)</source>
        <translation>%1 (par défaut well)</translation>
    </message>
    <message>
        <source>Qt&apos;s own options (-style, -platform, -reverse, -qwindowgeometry, ...) are
passed to Qt.
</source>
        <translation>Les options propres à Qt (-style, -platform, -reverse, -qwindowgeometry, ...) sont
transmises à Qt.
</translation>
    </message>
    <message>
        <source>print &lt;x&gt;, its spread and the norm of a superposition of levels in time, as CSV: %1</source>
        <translation>affiche &lt;x&gt;, sa dispersion et la norme d&apos;une superposition de niveaux au cours du temps, en CSV : %1</translation>
    </message>
    <message>
        <source>print a Gaussian wave packet moving through the potential (left and right: the probability at x &lt; 0 and x &gt;= 0, with what each side&apos;s absorber took), as CSV: %1</source>
        <translation>affiche un paquet d&apos;ondes gaussien qui traverse le potentiel (left et right : la probabilité en x &lt; 0 et x &gt;= 0, avec ce que l&apos;absorbeur de chaque côté a pris), en CSV : %1</translation>
    </message>
    <message>
        <source>print the grid&apos;s transmission and reflection of a particle coming in from the left, as CSV: %1 (and exact_transmission with --exact); the cells are empty where a lead is closed</source>
        <translation>affiche la transmission et la réflexion sur la grille d&apos;une particule venant de la gauche, en CSV : %1 (et exact_transmission avec --exact) ; les cellules sont vides là où un accès est fermé</translation>
    </message>
    <message>
        <source>print the maxima of the transmission from the lowest open energy up to --to, as View &gt; Transmission lists them, as CSV: %1</source>
        <translation>affiche les maxima de la transmission depuis la plus basse énergie ouverte jusqu&apos;à --to, comme Affichage &gt; Transmission les liste, en CSV : %1</translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>Particle: </source>
        <translation>Particule : </translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>impossible d&apos;écrire %1 : %2</translation>
    </message>
</context>
<context>
    <name>ExactLevels</name>
    <message>
        <source>The exact values are those of the uncut Coulomb potential. The program&apos;s potential ends at the edge of the plot, which raises the upper levels and leaves only a few of them bound.</source>
        <translation>Les valeurs exactes sont celles du potentiel de Coulomb non tronqué. Le potentiel du programme s&apos;arrête au bord du graphique, ce qui relève les niveaux supérieurs et n&apos;en laisse que quelques-uns liés.</translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <source>Wellscope files (*.wellscope)</source>
        <translation>Fichiers Wellscope (*.wellscope)</translation>
    </message>
    <message>
        <source>The reshaped potential has not been saved. Save it first?</source>
        <translation>Le potentiel remodelé n&apos;a pas été enregistré. L&apos;enregistrer d&apos;abord ?</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Enregistrer sous</translation>
    </message>
    <message>
        <source>Export Data</source>
        <translation>Exporter les données</translation>
    </message>
    <message>
        <source>Export Picture</source>
        <translation>Exporter l&apos;image</translation>
    </message>
    <message>
        <source>Cannot open “%1”: %2.</source>
        <translation>Impossible d&apos;ouvrir « %1 » : %2.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Cannot save “%1”: %2.</source>
        <translation>Impossible d&apos;enregistrer « %1 » : %2.</translation>
    </message>
    <message>
        <source>Cannot export to “%1”: %2.</source>
        <translation>Impossible d&apos;exporter vers « %1 » : %2.</translation>
    </message>
    <message>
        <source>a picture is saved as .svg or .png</source>
        <translation>une image s&apos;enregistre en .svg ou .png</translation>
    </message>
</context>
<context>
    <name>FileIO</name>
    <message>
        <source>there is no such file</source>
        <translation>ce fichier n&apos;existe pas</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>c&apos;est un dossier</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>it is too large (more than %1 KiB)</source>
        <translation>il est trop grand (plus de %1 Kio)</translation>
    </message>
    <message>
        <source>the folder does not exist</source>
        <translation>le dossier n&apos;existe pas</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 n&apos;est pas un dossier</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>permission refusée</translation>
    </message>
</context>
<context>
    <name>LevelsReport</name>
    <message>
        <source>even</source>
        <translation>paire</translation>
    </message>
    <message>
        <source>odd</source>
        <translation>impaire</translation>
    </message>
    <message>
        <source>Energy (eV)</source>
        <translation>Énergie (eV)</translation>
    </message>
    <message>
        <source>Nodes</source>
        <translation>Nœuds</translation>
    </message>
    <message>
        <source>Parity</source>
        <translation>Parité</translation>
    </message>
    <message>
        <source>Forbidden (%)</source>
        <translation>Interdite (%)</translation>
    </message>
    <message>
        <source>Exact (eV)</source>
        <translation>Exacte (eV)</translation>
    </message>
    <message>
        <source>Difference (%)</source>
        <translation>Écart (%)</translation>
    </message>
    <message>
        <source>No bound state below %1 eV</source>
        <translation>Aucun état lié sous %1 eV</translation>
    </message>
</context>
<context>
    <name>LevelsWindow</name>
    <message>
        <source>No bound state</source>
        <translation>Aucun état lié</translation>
    </message>
    <message>
        <source>No level chosen</source>
        <translation>Aucun niveau choisi</translation>
    </message>
    <message>
        <source>Level n = %1, E = %2 eV</source>
        <translation>Niveau n = %1, E = %2 eV</translation>
    </message>
    <message>
        <source>Level n = %1 in momentum space, $D$k = %2 nm^-1</source>
        <translation>Niveau n = %1 dans l&apos;espace des impulsions, $D$k = %2 nm^-1</translation>
    </message>
    <message>
        <source>Levels</source>
        <translation>Niveaux</translation>
    </message>
    <message>
        <source>Energy (eV)</source>
        <translation>Énergie (eV)</translation>
    </message>
    <message>
        <source>Show |ψ|² instead of ψ</source>
        <translation>Montrer |ψ|² au lieu de ψ</translation>
    </message>
    <message>
        <source>Show |φ(k)|² in momentum space</source>
        <translation>Montrer |φ(k)|² dans l&apos;espace des impulsions</translation>
    </message>
    <message>
        <source>Levels — %1</source>
        <translation>Niveaux — %1</translation>
    </message>
    <message>
        <source>Amplitude</source>
        <translation>Amplitude</translation>
    </message>
    <message>
        <source>Levels plot</source>
        <translation>Graphique des niveaux</translation>
    </message>
    <message>
        <source>Chosen state plot</source>
        <translation>Graphique de l'état choisi</translation>
    </message>
    <message>
        <source>Levels table</source>
        <translation>Tableau des niveaux</translation>
    </message>
    <message>
        <source>Bound states: %1, from %2 to %3 eV</source>
        <translation>États liés : %1, de %2 à %3 eV</translation>
    </message>
    <message>
        <source>Level %1 of %2, %3 eV, nodes: %4</source>
        <translation>Niveau %1 sur %2, %3 eV, nœuds : %4</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation>&amp;Ouvrir…</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Ouvrir &amp;récent</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Save &amp;As…</source>
        <translation>Enregistrer &amp;sous…</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>E&amp;xporter</translation>
    </message>
    <message>
        <source>&amp;Data (CSV)…</source>
        <translation>&amp;Données (CSV)…</translation>
    </message>
    <message>
        <source>&amp;Picture (SVG or PNG)…</source>
        <translation>&amp;Image (SVG ou PNG)…</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimer</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Co&amp;uper</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>C&amp;oller</translation>
    </message>
    <message>
        <source>Cle&amp;ar</source>
        <translation>&amp;Effacer</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>&amp;Levels…</source>
        <translation>&amp;Niveaux…</translation>
    </message>
    <message>
        <source>&amp;Wave Packet…</source>
        <translation>&amp;Paquet d&apos;ondes…</translation>
    </message>
    <message>
        <source>&amp;Transmission…</source>
        <translation>&amp;Transmission…</translation>
    </message>
    <message>
        <source>P&amp;article</source>
        <translation>Parti&amp;cule</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;ide</translation>
    </message>
    <message>
        <source>&amp;About Wellscope…</source>
        <translation>À &amp;propos de Wellscope…</translation>
    </message>
</context>
<context>
    <name>PacketWindow</name>
    <message>
        <source>Momentum space: &amp;|$f$(k,t)&amp;|^2^, and T(k) in grey (1 at the top)</source>
        <translation>Espace des impulsions : &amp;|$f$(k,t)&amp;|^2^, et T(k) en gris (1 en haut)</translation>
    </message>
    <message>
        <source>probability</source>
        <translation>probabilité</translation>
    </message>
    <message>
        <source>Left of x = 0 (blue) and right (red), with what the absorbers took</source>
        <translation>À gauche de x = 0 (bleu) et à droite (rouge), avec ce que les absorbeurs ont pris</translation>
    </message>
    <message>
        <source>&amp;|$Y$(x,t)&amp;|^2^ on the line of its energy (green) over the potential</source>
        <translation>&amp;|$Y$(x,t)&amp;|^2^ sur la ligne de son énergie (vert) au-dessus du potentiel</translation>
    </message>
    <message>
        <source>No wave packet</source>
        <translation>Aucun paquet d&apos;ondes</translation>
    </message>
    <message>
        <source>Wave Packet</source>
        <translation>Paquet d&apos;ondes</translation>
    </message>
    <message>
        <source>Re Ψ (blue)</source>
        <translation>Re Ψ (bleu)</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Lecture</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Réinitialiser</translation>
    </message>
    <message>
        <source>Simulated femtoseconds per second</source>
        <translation>Femtosecondes simulées par seconde</translation>
    </message>
    <message>
        <source>The packet&apos;s kinetic energy where it starts</source>
        <translation>L&apos;énergie cinétique du paquet à son départ</translation>
    </message>
    <message>
        <source>Wave Packet — %1</source>
        <translation>Paquet d&apos;ondes — %1</translation>
    </message>
    <message>
        <source>The wave packet is not available in this potential: it is infinite at the Hydrogen row&apos;s nucleus. Choose another potential.</source>
        <translation>Le paquet d&apos;ondes n&apos;est pas disponible dans ce potentiel : il est infini au noyau de la ligne Hydrogène. Choisissez un autre potentiel.</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; is not a number</source>
        <translation>%1 : « %2 » n&apos;est pas un nombre</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Transmitted: %1</source>
        <translation>Transmis : %1</translation>
    </message>
    <message>
        <source>Transmitted: once the packet has left</source>
        <translation>Transmis : une fois le paquet parti</translation>
    </message>
    <message>
        <source>Wave packet plot</source>
        <translation>Graphique du paquet d'ondes</translation>
    </message>
    <message>
        <source>Momentum space plot</source>
        <translation>Graphique dans l'espace des impulsions</translation>
    </message>
    <message>
        <source>Left and right plot</source>
        <translation>Graphique gauche et droite</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Vitesse</translation>
    </message>
</context>
<context>
    <name>ParticleCommands</name>
    <message>
        <source>&amp;Other Mass…</source>
        <translation>&amp;Autre masse…</translation>
    </message>
    <message>
        <source>Particle</source>
        <translation>Particule</translation>
    </message>
    <message>
        <source>Mass in electron masses (mₑ):</source>
        <translation>Masse en masses d&apos;électron (mₑ) :</translation>
    </message>
</context>
<context>
    <name>Particles</name>
    <message>
        <source>particle of %1</source>
        <translation>particule de %1</translation>
    </message>
    <message>
        <source>Electron</source>
        <translation>Électron</translation>
    </message>
    <message>
        <source>GaAs conduction-band electron</source>
        <translation>Électron de conduction du GaAs</translation>
    </message>
    <message>
        <source>GaAs heavy hole</source>
        <translation>Trou lourd du GaAs</translation>
    </message>
</context>
<context>
    <name>PotentialRows</name>
    <message>
        <source>Well</source>
        <translation>Puits</translation>
    </message>
    <message>
        <source>Symmetric Well</source>
        <translation>Puits symétrique</translation>
    </message>
    <message>
        <source>Uneven</source>
        <translation>Inégal</translation>
    </message>
    <message>
        <source>Ramp</source>
        <translation>Rampe</translation>
    </message>
    <message>
        <source>Oscillator</source>
        <translation>Oscillateur</translation>
    </message>
    <message>
        <source>Hydrogen</source>
        <translation>Hydrogène</translation>
    </message>
    <message>
        <source>Draw</source>
        <translation>Dessiner</translation>
    </message>
    <message>
        <source>Barrier</source>
        <translation>Barrière</translation>
    </message>
    <message>
        <source>Double Barrier</source>
        <translation>Double barrière</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Marche</translation>
    </message>
    <message>
        <source>Width = </source>
        <translation>Largeur = </translation>
    </message>
    <message>
        <source>Ctr to Ctr = </source>
        <translation>Entraxe = </translation>
    </message>
    <message>
        <source>Well Width = </source>
        <translation>Larg. puits = </translation>
    </message>
    <message>
        <source>Left Height = </source>
        <translation>Haut. gauche = </translation>
    </message>
    <message>
        <source>Right Height = </source>
        <translation>Haut. droite = </translation>
    </message>
    <message>
        <source>Slope</source>
        <translation>Pente</translation>
    </message>
    <message>
        <source>Height = </source>
        <translation>Hauteur = </translation>
    </message>
    <message>
        <source>Narrowness</source>
        <translation>Étroitesse</translation>
    </message>
    <message>
        <source>Barrier Width = </source>
        <translation>Larg. barr. = </translation>
    </message>
    <message>
        <source>inf</source>
        <translation>∞</translation>
    </message>
    <message>
        <source>Wd</source>
        <translation>Lg</translation>
    </message>
    <message>
        <source>Nw</source>
        <translation>Ét</translation>
    </message>
    <message>
        <source>width</source>
        <translation>largeur</translation>
    </message>
    <message>
        <source>centre-to-centre distance</source>
        <translation>distance entre centres</translation>
    </message>
    <message>
        <source>width of each well</source>
        <translation>largeur de chaque puits</translation>
    </message>
    <message>
        <source>left wall height</source>
        <translation>hauteur de la paroi gauche</translation>
    </message>
    <message>
        <source>right wall height</source>
        <translation>hauteur de la paroi droite</translation>
    </message>
    <message>
        <source>slope</source>
        <translation>pente</translation>
    </message>
    <message>
        <source>height</source>
        <translation>hauteur</translation>
    </message>
    <message>
        <source>narrowness</source>
        <translation>étroitesse</translation>
    </message>
    <message>
        <source>width of each barrier</source>
        <translation>largeur de chaque barrière</translation>
    </message>
</context>
<context>
    <name>TimeView</name>
    <message>
        <source>|Ψ|² (black)</source>
        <translation>|Ψ|² (noir)</translation>
    </message>
    <message>
        <source>Re Ψ (blue)</source>
        <translation>Re Ψ (bleu)</translation>
    </message>
    <message>
        <source>Im Ψ (red)</source>
        <translation>Im Ψ (rouge)</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Lecture</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Réinitialiser</translation>
    </message>
    <message>
        <source>Simulated femtoseconds per second</source>
        <translation>Femtosecondes simulées par seconde</translation>
    </message>
    <message>
        <source>Superposition: &amp;|$Y$&amp;|^2^ in nm^-1^, $Y$ in nm^-1/2</source>
        <translation>Superposition : &amp;|$Y$&amp;|^2^ en nm^-1^, $Y$ en nm^-1/2</translation>
    </message>
    <message>
        <source>Beat period = %1</source>
        <translation>Période de battement = %1</translation>
    </message>
    <message>
        <source>No beat: the two levels have the same energy</source>
        <translation>Pas de battement : les deux niveaux ont la même énergie</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Vitesse</translation>
    </message>
</context>
<context>
    <name>TransmissionText</name>
    <message>
        <source>T is undefined: the potential is not finite everywhere</source>
        <translation>T n&apos;est pas défini : le potentiel n&apos;est pas partout fini</translation>
    </message>
    <message>
        <source>T is undefined at E = %1: below both leads&apos; potential (%2 left, %3 right)</source>
        <translation>T n&apos;est pas défini en E = %1 : sous le potentiel des deux accès (%2 à gauche, %3 à droite)</translation>
    </message>
    <message>
        <source>T is undefined at E = %1: below the left lead&apos;s potential, %2</source>
        <translation>T n&apos;est pas défini en E = %1 : sous le potentiel de l&apos;accès gauche, %2</translation>
    </message>
    <message>
        <source>T is undefined at E = %1: below the right lead&apos;s potential, %2</source>
        <translation>T n&apos;est pas défini en E = %1 : sous le potentiel de l&apos;accès droit, %2</translation>
    </message>
    <message>
        <source>T is undefined at E = %1: above the grid&apos;s highest energy in a lead, %2</source>
        <translation>T n&apos;est pas défini en E = %1 : au-dessus de la plus haute énergie de la grille dans un accès, %2</translation>
    </message>
    <message>
        <source>Flux (nm/fs): in %1, reflected %2, transmitted %3 = net %4</source>
        <translation>Flux (nm/fs) : entrant %1, réfléchi %2, transmis %3 = net %4</translation>
    </message>
    <message>
        <source>→ incoming, |A| = 1</source>
        <translation>→ incident, |A| = 1</translation>
    </message>
    <message>
        <source>← reflected, |r| = %1</source>
        <translation>← réfléchi, |r| = %1</translation>
    </message>
    <message>
        <source>transmitted, |t| = %1 →</source>
        <translation>transmis, |t| = %1 →</translation>
    </message>
    <message>
        <source>Energy (eV)</source>
        <translation>Énergie (eV)</translation>
    </message>
    <message>
        <source>Width Γ (eV)</source>
        <translation>Largeur Γ (eV)</translation>
    </message>
    <message>
        <source>Lifetime ħ/Γ (fs)</source>
        <translation>Durée de vie ħ/Γ (fs)</translation>
    </message>
    <message>
        <source>Peak T</source>
        <translation>T au pic</translation>
    </message>
</context>
<context>
    <name>TransmissionWindow</name>
    <message>
        <source>No scattering state at %1</source>
        <translation>Aucun état de diffusion à %1</translation>
    </message>
    <message>
        <source>Scattering state at %1</source>
        <translation>État de diffusion à %1</translation>
    </message>
    <message>
        <source>No open energy</source>
        <translation>Aucune énergie ouverte</translation>
    </message>
    <message>
        <source>Computing…</source>
        <translation>Calcul en cours…</translation>
    </message>
    <message>
        <source>T (black) and R (blue)</source>
        <translation>T (noir) et R (bleu)</translation>
    </message>
    <message>
        <source>T (black) and R (blue), continuum&apos;s T (green, dashed)</source>
        <translation>T (noir) et R (bleu), T du continu (vert, tirets)</translation>
    </message>
    <message>
        <source>Transmission</source>
        <translation>Transmission</translation>
    </message>
    <message>
        <source>Potential</source>
        <translation>Potentiel</translation>
    </message>
    <message>
        <source>Potential (eV)</source>
        <translation>Potentiel (eV)</translation>
    </message>
    <message>
        <source>Scattering state</source>
        <translation>État de diffusion</translation>
    </message>
    <message>
        <source>Energy (eV)</source>
        <translation>Énergie (eV)</translation>
    </message>
    <message>
        <source>Logarithmic T axis</source>
        <translation>Axe T logarithmique</translation>
    </message>
    <message>
        <source>Top:</source>
        <translation>Haut :</translation>
    </message>
    <message>
        <source>Transmission — %1</source>
        <translation>Transmission — %1</translation>
    </message>
    <message>
        <source>No resonance</source>
        <translation>Aucune résonance</translation>
    </message>
    <message>
        <source>1 resonance</source>
        <translation>1 résonance</translation>
    </message>
    <message>
        <source>%1 resonances</source>
        <translation>%1 résonances</translation>
    </message>
    <message>
        <source>T is undefined: the potential is not finite everywhere</source>
        <translation>T n&apos;est pas défini : le potentiel n&apos;est pas partout fini</translation>
    </message>
    <message>
        <source>No energy below the top is open in both leads (they open at %1 eV)</source>
        <translation>Aucune énergie sous le haut n&apos;est ouverte dans les deux accès (ils s&apos;ouvrent à %1 eV)</translation>
    </message>
    <message>
        <source>%1 from %2 to %3 eV</source>
        <translation>%1 de %2 à %3 eV</translation>
    </message>
    <message>
        <source>Top of the energy range</source>
        <translation>Haut de l'intervalle d'énergie</translation>
    </message>
    <message>
        <source>Resonances table</source>
        <translation>Tableau des résonances</translation>
    </message>
</context>
<context>
    <name>Window1</name>
    <message>
        <source>Symmetric</source>
        <translation>Symétrique</translation>
    </message>
    <message>
        <source>Anti-Symmetric</source>
        <translation>Antisymétrique</translation>
    </message>
    <message>
        <source>Energy =</source>
        <translation>Énergie =</translation>
    </message>
    <message>
        <source>Draw </source>
        <translation>Tracer </translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Chercher</translation>
    </message>
    <message>
        <source>To modify the function, click once at a point on the line to create a handle, then drag the handle vertically to a new position.</source>
        <translation>Pour modifier la fonction, cliquez une fois sur un point de la ligne pour créer une poignée, puis faites glisser la poignée verticalement vers une nouvelle position.</translation>
    </message>
    <message>
        <source>eV</source>
        <translation>eV</translation>
    </message>
    <message>
        <source>no energy</source>
        <translation>pas d&apos;énergie</translation>
    </message>
    <message>
        <source>Potential</source>
        <translation>Potentiel</translation>
    </message>
    <message>
        <source>Parity</source>
        <translation>Parité</translation>
    </message>
    <message>
        <source>Even (symmetric) or odd (anti-symmetric) solutions</source>
        <translation>Solutions paires (symétriques) ou impaires (antisymétriques)</translation>
    </message>
    <message>
        <source>Energy in eV</source>
        <translation>Énergie en eV</translation>
    </message>
    <message>
        <source>Draw</source>
        <translation>Tracer</translation>
    </message>
    <message>
        <source>Solve at the energy typed</source>
        <translation>Résoudre à l&apos;énergie saisie</translation>
    </message>
    <message>
        <source>Search upward for the next level</source>
        <translation>Chercher vers le haut le niveau suivant</translation>
    </message>
    <message>
        <source>Potential plot</source>
        <translation>Graphique du potentiel</translation>
    </message>
    <message>
        <source>Wave function plot</source>
        <translation>Graphique de la fonction d&apos;onde</translation>
    </message>
    <message>
        <source>Potential: %1</source>
        <translation>Potentiel : %1</translation>
    </message>
    <message>
        <source>even solutions</source>
        <translation>solutions paires</translation>
    </message>
    <message>
        <source>odd solutions</source>
        <translation>solutions impaires</translation>
    </message>
    <message>
        <source>reshaped with the mouse</source>
        <translation>remodelé à la souris</translation>
    </message>
    <message>
        <source>%1; trial energy %2</source>
        <translation>%1 ; énergie d&apos;essai %2</translation>
    </message>
    <message>
        <source>Wave function at %1, %2 nodes where the energy lies above the potential</source>
        <translation>Fonction d&apos;onde à %1, %2 nœuds là où l&apos;énergie est au-dessus du potentiel</translation>
    </message>
    <message>
        <source>Potential (eV)</source>
        <translation>Potentiel (eV)</translation>
    </message>
    <message>
        <source>Solution for Energy = </source>
        <translation>Solution pour l&apos;énergie = </translation>
    </message>
    <message>
        <source>Psi_E (relative)</source>
        <translation>Psi_E (relative)</translation>
    </message>
</context>
</TS>
