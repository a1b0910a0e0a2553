<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CommandLineOptions</name>
    <message>
        <source>Launcher for the game Quake2: keeps user profiles, server configurations and remote servers and starts the game from them.</source>
        <translation>Launcher für das Spiel Quake2: verwaltet Benutzerprofile, Serverkonfigurationen und entfernte Server und startet das Spiel damit.</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Zeigt die Hilfe zu den Befehlszeilenoptionen an.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Unerwartetes Argument „%1“.</translation>
    </message>
    <message>
        <source>Starts the game with the saved launch type and selections, without the main window; exit status 0 when the game started, 1 otherwise.</source>
        <translation>Startet das Spiel mit der gespeicherten Startart und Auswahl, ohne das Hauptfenster; Rückgabewert 0, wenn das Spiel gestartet wurde, sonst 1.</translation>
    </message>
    <message>
        <source>Asks the game servers at the addresses given for their status and prints one line for each; exit status 0 when all answered, 1 otherwise.</source>
        <translation>Fragt die Spielserver an den angegebenen Adressen nach ihrem Status und gibt je eine Zeile aus; Rückgabewert 0, wenn alle geantwortet haben, sonst 1.</translation>
    </message>
    <message>
        <source>With --status: a server address, host[:port].</source>
        <translation>Mit --status: eine Serveradresse, Host[:Port].</translation>
    </message>
    <message>
        <source>--status needs at least one server address.</source>
        <translation>--status braucht mindestens eine Serveradresse.</translation>
    </message>
    <message>
        <source>Finds game servers through the masters and the local network, asks each for its status and prints one line for each, then what each source gave on standard error; exit status 0 when a source answered, 1 otherwise.</source>
        <translation>Sucht Spielserver über die Master und im lokalen Netz, fragt jeden nach seinem Status und gibt je eine Zeile aus, danach auf der Standardfehlerausgabe, was jede Quelle lieferte; Rückgabewert 0, wenn eine Quelle geantwortet hat, sonst 1.</translation>
    </message>
    <message>
        <source>With --browse: asks this master, host[:port] or an http(s):// list, instead of the stored masters; may be given more than once.</source>
        <translation>Mit --browse: fragt diesen Master, host[:port] oder eine http(s)://-Liste, statt der gespeicherten Master; mehrfach möglich.</translation>
    </message>
    <message>
        <source>With --browse: searches the local network (game ports 27910-27919).</source>
        <translation>Mit --browse: durchsucht das lokale Netz (Spielports 27910-27919).</translation>
    </message>
    <message>
        <source>With --browse: asks game ports 27910-27919 of this host; may be given more than once.</source>
        <translation>Mit --browse: fragt die Spielports 27910-27919 dieses Hosts; mehrfach möglich.</translation>
    </message>
    <message>
        <source>With --status or --browse: prints the servers as JSON.</source>
        <translation>Mit --status oder --browse: gibt die Server als JSON aus.</translation>
    </message>
    <message>
        <source>--json goes with --status or --browse.</source>
        <translation>--json gehört zu --status oder --browse.</translation>
    </message>
    <message>
        <source>--%1 goes with --browse.</source>
        <translation>--%1 gehört zu --browse.</translation>
    </message>
    <message>
        <source>%1 and %2 cannot be used together.</source>
        <translation>%1 und %2 können nicht zusammen verwendet werden.</translation>
    </message>
    <message>
        <source>address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>host</source>
        <translation>Rechner</translation>
    </message>
    <message>
        <source>[address...]</source>
        <translation>[Adresse...]</translation>
    </message>
</context>
<context>
    <name>EntryFilter</name>
    <message>
        <source>%1 more left out over the limit of %2</source>
        <translation>%1 weitere über der Grenze von %2 ausgelassen</translation>
    </message>
    <message>
        <source>%1 unusable left out</source>
        <translation>%1 unbrauchbare ausgelassen</translation>
    </message>
    <message>
        <source>1 line not understood</source>
        <translation>1 Zeile nicht verstanden</translation>
    </message>
    <message>
        <source>%1 lines not understood</source>
        <translation>%1 Zeilen nicht verstanden</translation>
    </message>
    <message>
        <source>a partial entry ignored</source>
        <translation>ein unvollständiger Eintrag übergangen</translation>
    </message>
    <message>
        <source>list cut at 1 MiB</source>
        <translation>Liste bei 1 MiB abgeschnitten</translation>
    </message>
    <message>
        <source>1 server</source>
        <translation>1 Server</translation>
    </message>
    <message>
        <source>%1 servers</source>
        <translation>%1 Server</translation>
    </message>
</context>
<context>
    <name>FileIO</name>
    <message>
        <source>disk full</source>
        <translation>Datenträger voll</translation>
    </message>
</context>
<context>
    <name>FoundServers</name>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Map</source>
        <translation>Karte</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>Ping</source>
        <translation>Ping</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Spiel</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
</context>
<context>
    <name>HttpListSource</name>
    <message>
        <source>invalid address</source>
        <translation>ungültige Adresse</translation>
    </message>
    <message>
        <source>HTTP %1 %2</source>
        <translation>HTTP %1 %2</translation>
    </message>
</context>
<context>
    <name>LanSource</name>
    <message>
        <source>local network</source>
        <translation>lokales Netz</translation>
    </message>
    <message>
        <source>no local network</source>
        <translation>kein lokales Netz</translation>
    </message>
    <message>
        <source>local network (IPv6)</source>
        <translation>lokales Netz (IPv6)</translation>
    </message>
</context>
<context>
    <name>Launcher</name>
    <message>
        <source>The file %1 is named for two lists. It keeps the first of them; the other starts empty and will not be saved.</source>
        <translation>Die Datei %1 ist für zwei Listen angegeben. Sie wird für die erste davon verwendet; die andere beginnt leer und wird nicht gespeichert.</translation>
    </message>
    <message>
        <source>%1 is not an ordinary file. It was not read, and it will not be overwritten in this run.</source>
        <translation>%1 ist keine gewöhnliche Datei. Sie wurde nicht gelesen und wird in dieser Sitzung nicht überschrieben.</translation>
    </message>
    <message>
        <source>The file %1 could not be read (%2). It will not be overwritten in this run.</source>
        <translation>Die Datei %1 konnte nicht gelesen werden (%2). Sie wird in dieser Sitzung nicht überschrieben.</translation>
    </message>
    <message>
        <source>The file %1 could not be read whole and clean (%2). Every record that could be read was loaded; the original file was kept as %3.</source>
        <translation>Die Datei %1 konnte nicht vollständig und fehlerfrei gelesen werden (%2). Alle lesbaren Einträge wurden geladen; die ursprüngliche Datei wurde als %3 aufbewahrt.</translation>
    </message>
    <message>
        <source>The file %1 could not be read whole (%2), and no copy of it could be made. It will not be overwritten in this run.</source>
        <translation>Die Datei %1 konnte nicht vollständig gelesen werden (%2), und es ließ sich keine Kopie davon anlegen. Sie wird in dieser Sitzung nicht überschrieben.</translation>
    </message>
    <message>
        <source>The file %1 could not be saved: %2</source>
        <translation>Die Datei %1 konnte nicht gespeichert werden: %2</translation>
    </message>
    <message>
        <source>The launch config script %1 could not be written: %2</source>
        <translation>Das Startskript %1 konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>The game folder &quot;%1&quot; of the server configuration cannot be passed to the game: its console would read a &apos;;&apos;, a &apos;&quot;&apos; or a line break in the name as the end of a command and run the rest as commands of their own. Choose another game folder.</source>
        <translation>Der Spielordner &quot;%1&quot; der Serverkonfiguration kann nicht an das Spiel übergeben werden: Seine Konsole würde ein &apos;;&apos;, ein &apos;&quot;&apos; oder einen Zeilenumbruch im Namen als Ende eines Befehls lesen und den Rest als eigene Befehle ausführen. Wählen Sie einen anderen Spielordner.</translation>
    </message>
    <message>
        <source>The launch config script name &quot;%1&quot; (the setting LaunchConfig) cannot be passed to the game: its console would read a &apos;;&apos;, a &apos;&quot;&apos; or a line break in the name as the end of a command and run the rest as commands of their own. Give the setting a plain file name.</source>
        <translation>Der Name des Startskripts &quot;%1&quot; (die Einstellung LaunchConfig) kann nicht an das Spiel übergeben werden: Seine Konsole würde ein &apos;;&apos;, ein &apos;&quot;&apos; oder einen Zeilenumbruch im Namen als Ende eines Befehls lesen und den Rest als eigene Befehle ausführen. Geben Sie der Einstellung einen einfachen Dateinamen.</translation>
    </message>
    <message>
        <source>Quake2 was not found

Game folder: %1
Program: %2

The game&apos;s folder and program are set under View &gt; Options.</source>
        <translation>Quake2 wurde nicht gefunden

Spielordner: %1
Programm: %2

Ordner und Programm des Spiels werden unter Ansicht &gt; Optionen eingestellt.</translation>
    </message>
    <message>
        <source>Quake2 started: dedicated server</source>
        <translation>Quake2 gestartet: dedizierter Server</translation>
    </message>
    <message>
        <source>Quake2 started: dedicated server, %1</source>
        <translation>Quake2 gestartet: dedizierter Server, %1</translation>
    </message>
    <message>
        <source>Quake2 started: client</source>
        <translation>Quake2 gestartet: Client</translation>
    </message>
    <message>
        <source>Quake2 started: client, connecting to %1</source>
        <translation>Quake2 gestartet: Client, verbindet mit %1</translation>
    </message>
    <message>
        <source>Quake2 started: listen server</source>
        <translation>Quake2 gestartet: Listen-Server</translation>
    </message>
    <message>
        <source>Quake2 started: listen server, %1</source>
        <translation>Quake2 gestartet: Listen-Server, %1</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>%1: no display to show the window on (neither DISPLAY nor WAYLAND_DISPLAY is set); --status, --help and --version work without one.</source>
        <translation>%1: kein Bildschirm für das Fenster da (weder DISPLAY noch WAYLAND_DISPLAY ist gesetzt); --status, --help und --version gehen auch ohne.</translation>
    </message>
</context>
<context>
    <name>PictureBox</name>
    <message>
        <source>Not an ordinary file</source>
        <translation>Keine gewöhnliche Datei</translation>
    </message>
</context>
<context>
    <name>ProcessStart</name>
    <message>
        <source>No program is set.</source>
        <translation>Es ist kein Programm festgelegt.</translation>
    </message>
    <message>
        <source>The working directory does not exist.</source>
        <translation>Das Arbeitsverzeichnis existiert nicht.</translation>
    </message>
</context>
<context>
    <name>Quake2</name>
    <message>
        <source>Program: %1
Working directory: %2
Reason: %3</source>
        <translation>Programm: %1
Arbeitsverzeichnis: %2
Grund: %3</translation>
    </message>
</context>
<context>
    <name>RecordReader</name>
    <message>
        <source>the file is in UTF-16</source>
        <translation>die Datei ist in UTF-16 kodiert</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>unexpected end of file</source>
        <translation>unerwartetes Dateiende</translation>
    </message>
    <message>
        <source>unexpected end of file in a quoted field</source>
        <translation>unerwartetes Dateiende in einem Feld in Anführungszeichen</translation>
    </message>
    <message>
        <source>the file ends right after a text; the last record may be cut off</source>
        <translation>die Datei endet direkt nach einem Text; der letzte Eintrag ist möglicherweise abgeschnitten</translation>
    </message>
    <message>
        <source>text after a closing quote</source>
        <translation>Text nach einem schließenden Anführungszeichen</translation>
    </message>
    <message>
        <source>a NUL byte</source>
        <translation>ein NUL-Byte</translation>
    </message>
    <message>
        <source>line %1 is not UTF-8 and was read as Windows-1252</source>
        <translation>Zeile %1 ist nicht UTF-8 und wurde als Windows-1252 gelesen</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number</source>
        <translation>„%1“ ist keine Zahl</translation>
    </message>
    <message>
        <source>number %1 is out of range</source>
        <translation>die Zahl %1 liegt außerhalb des gültigen Bereichs</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not #TRUE# or #FALSE#</source>
        <translation>„%1“ ist weder #TRUE# noch #FALSE#</translation>
    </message>
</context>
<context>
    <name>ServerConfig</name>
    <message>
        <source>The map list %1 could not be read: %2</source>
        <translation>Die Kartenliste %1 konnte nicht gelesen werden: %2</translation>
    </message>
</context>
<context>
    <name>ServerConsole</name>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Console command</source>
        <translation>Konsolenbefehl</translation>
    </message>
    <message>
        <source>&amp;Command:</source>
        <translation>Be&amp;fehl:</translation>
    </message>
    <message>
        <source>Dedicated Server — %1</source>
        <translation>Dedizierter Server — %1</translation>
    </message>
    <message>
        <source>The server is running.</source>
        <translation>Der Server läuft.</translation>
    </message>
    <message>
        <source>Stopping the server…</source>
        <translation>Der Server wird beendet…</translation>
    </message>
    <message>
        <source>The server was ended by signal %1.</source>
        <translation>Der Server wurde durch Signal %1 beendet.</translation>
    </message>
    <message>
        <source>The server ended with exit status %1.</source>
        <translation>Der Server endete mit dem Exit-Status %1.</translation>
    </message>
    <message>
        <source>The dedicated server is still running.</source>
        <translation>Der dedizierte Server läuft noch.</translation>
    </message>
    <message>
        <source>Stop the Server</source>
        <translation>Server beenden</translation>
    </message>
    <message>
        <source>Leave It Running</source>
        <translation>Weiterlaufen lassen</translation>
    </message>
</context>
<context>
    <name>ServerStatus</name>
    <message>
        <source>answered</source>
        <translation>geantwortet</translation>
    </message>
    <message>
        <source>no answer</source>
        <translation>keine Antwort</translation>
    </message>
    <message>
        <source>bad reply</source>
        <translation>fehlerhafte Antwort</translation>
    </message>
    <message>
        <source>%1 ms</source>
        <translation>%1 ms</translation>
    </message>
    <message>
        <source>%1 — %2 — %3 players — %4</source>
        <translation>%1 — %2 — %3 Spieler — %4</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>the file is not a settings file</source>
        <translation>die Datei ist keine Einstellungsdatei</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>die Datei ist schreibgeschützt</translation>
    </message>
    <message>
        <source>its folder cannot be written</source>
        <translation>ihr Ordner ist nicht beschreibbar</translation>
    </message>
    <message>
        <source>the file could not be written</source>
        <translation>die Datei konnte nicht geschrieben werden</translation>
    </message>
    <message>
        <source>The settings could not be saved: %1 (%2)</source>
        <translation>Die Einstellungen konnten nicht gespeichert werden: %1 (%2)</translation>
    </message>
</context>
<context>
    <name>SingleInstance</name>
    <message>
        <source>the folder cannot be created</source>
        <translation>der Ordner kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>the folder cannot be written</source>
        <translation>der Ordner ist nicht beschreibbar</translation>
    </message>
    <message>
        <source>the lock file cannot be written</source>
        <translation>die Sperrdatei kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>Corvale cannot start: the settings folder %1 cannot hold its lock file (%2).</source>
        <translation>Corvale kann nicht starten: Der Einstellungsordner %1 kann seine Sperrdatei nicht aufnehmen (%2).</translation>
    </message>
    <message>
        <source>Corvale is already running</source>
        <translation>Corvale läuft bereits</translation>
    </message>
</context>
<context>
    <name>StatusQuery</name>
    <message>
        <source>no address</source>
        <translation>keine Adresse</translation>
    </message>
    <message>
        <source>invalid port</source>
        <translation>ungültiger Port</translation>
    </message>
    <message>
        <source>unknown host</source>
        <translation>unbekannter Host</translation>
    </message>
</context>
<context>
    <name>TextViewer</name>
    <message>
        <source>Viewer: %1
File: %2
Reason: %3

The viewer can be changed under View &gt; Options.</source>
        <translation>Texteditor: %1
Datei: %2
Grund: %3

Der Texteditor lässt sich unter Ansicht &gt; Optionen ändern.</translation>
    </message>
    <message>
        <source>The viewer was ended by signal %1.</source>
        <translation>Der Texteditor wurde durch das Signal %1 beendet.</translation>
    </message>
    <message>
        <source>The viewer ended with exit status %1.</source>
        <translation>Der Texteditor endete mit dem Exit-Status %1.</translation>
    </message>
</context>
<context>
    <name>UdpMasterSource</name>
    <message>
        <source>invalid port</source>
        <translation>ungültiger Port</translation>
    </message>
</context>
<context>
    <name>UdpSource</name>
    <message>
        <source>no address</source>
        <translation>keine Adresse</translation>
    </message>
    <message>
        <source>unknown host</source>
        <translation>unbekannter Host</translation>
    </message>
</context>
<context>
    <name>UserGameFolder</name>
    <message>
        <source>the folder for %1 could not be created (%2)</source>
        <translation>der Ordner für %1 konnte nicht angelegt werden (%2)</translation>
    </message>
    <message>
        <source>the game folder is read-only, and none of the user game folders %1 exists to take the file instead</source>
        <translation>der Spielordner ist schreibgeschützt, und keiner der Spielordner des Benutzers %1 ist vorhanden, um die Datei stattdessen aufzunehmen</translation>
    </message>
    <message>
        <source>the game folder is read-only, and the user game folder %1 that should take the file instead is not a folder; remove or rename it</source>
        <translation>der Spielordner ist schreibgeschützt, und der Spielordner des Benutzers %1, der die Datei stattdessen aufnehmen soll, ist kein Ordner; entfernen Sie ihn oder benennen Sie ihn um</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About Corvale</source>
        <translation>Über Corvale</translation>
    </message>
    <message>
        <source>Corvale</source>
        <translation>Corvale</translation>
    </message>
    <message>
        <source>Copyright © 2026 The Corvale developers</source>
        <translation>Copyright © 2026 Die Corvale-Entwickler</translation>
    </message>
    <message>
        <source>Released under the MIT License.</source>
        <translation>Lizenz: MIT-Lizenz.</translation>
    </message>
    <message>
        <source>Corvale is free software. It is provided as is, without warranty of any kind; you use it at your own risk.</source>
        <translation>Corvale ist freie Software. Es wird ohne Gewähr und ohne jegliche Garantie bereitgestellt; die Nutzung erfolgt auf eigenes Risiko.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Version %1.%2.%3</translation>
    </message>
</context>
<context>
    <name>frmCorvale</name>
    <message>
        <source>Corvale</source>
        <translation>Corvale</translation>
    </message>
    <message>
        <source>Server Configurations</source>
        <translation>Serverkonfigurationen</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Ändern</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>User Profiles</source>
        <translation>Benutzerprofile</translation>
    </message>
    <message>
        <source>Launch</source>
        <translation>Starten</translation>
    </message>
    <message>
        <source>Dedicated Server</source>
        <translation>Dedizierter Server</translation>
    </message>
    <message>
        <source>Client/Server (Listen Server)</source>
        <translation>Client/Server (Listen-Server)</translation>
    </message>
    <message>
        <source>Client Only</source>
        <translation>Nur Client</translation>
    </message>
    <message>
        <source>Double-click to choose a picture</source>
        <translation>Doppelklicken, um ein Bild zu wählen</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Status &amp;Bar</source>
        <translation>Status&amp;leiste</translation>
    </message>
    <message>
        <source>&amp;Command Line</source>
        <translation>&amp;Befehlszeile</translation>
    </message>
    <message>
        <source>Co&amp;nfig File</source>
        <translation>&amp;Konfigurationsdatei</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Optionen...</translation>
    </message>
    <message>
        <source>&amp;About Corvale...</source>
        <translation>&amp;Über Corvale...</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Bereit</translation>
    </message>
    <message>
        <source>Connect To</source>
        <translation>Verbinden mit</translation>
    </message>
    <message>
        <source>Enter a server address and port (optional)</source>
        <translation>Serveradresse und Port (optional) eingeben</translation>
    </message>
    <message>
        <source>Enter the server configuration name</source>
        <translation>Namen der Serverkonfiguration eingeben</translation>
    </message>
    <message>
        <source>Enter the new server address [port]</source>
        <translation>Neue Serveradresse [Port] eingeben</translation>
    </message>
    <message>
        <source>Could not launch Quake2</source>
        <translation>Quake2 konnte nicht gestartet werden</translation>
    </message>
    <message>
        <source>Command Line Preview</source>
        <translation>Vorschau der Befehlszeile</translation>
    </message>
    <message>
        <source>Could not open text viewer</source>
        <translation>Texteditor konnte nicht geöffnet werden</translation>
    </message>
    <message>
        <source>Server &amp;Status...</source>
        <translation>Server&amp;status...</translation>
    </message>
    <message>
        <source>&amp;Find Servers...</source>
        <translation>Server &amp;finden...</translation>
    </message>
    <message>
        <source>Quake2 was not found: set its folder under View &gt; Options</source>
        <translation>Quake2 wurde nicht gefunden: den Ordner unter Ansicht &gt; Optionen einstellen</translation>
    </message>
    <message>
        <source>A dedicated server started from Corvale is still running.</source>
        <translation>Ein von Corvale gestarteter dedizierter Server läuft noch.</translation>
    </message>
    <message>
        <source>%1 dedicated servers started from Corvale are still running.</source>
        <translation>%1 von Corvale gestartete dedizierte Server laufen noch.</translation>
    </message>
    <message>
        <source>Stop the Server</source>
        <translation>Server beenden</translation>
    </message>
    <message>
        <source>Leave It Running</source>
        <translation>Weiterlaufen lassen</translation>
    </message>
    <message>
        <source>Stop the Servers</source>
        <translation>Server beenden</translation>
    </message>
    <message>
        <source>Leave Them Running</source>
        <translation>Weiterlaufen lassen</translation>
    </message>
</context>
<context>
    <name>frmMasters</name>
    <message>
        <source>Masters</source>
        <translation>Master</translation>
    </message>
    <message>
        <source>&amp;Defaults</source>
        <translation>&amp;Standard</translation>
    </message>
    <message>
        <source>One master a line: host[:port] (UDP, port 27900 unless given) or an http:// or https:// server list.</source>
        <translation>Ein Master pro Zeile: host[:port] (UDP, Port 27900, wenn keiner angegeben ist) oder eine http://- oder https://-Serverliste.</translation>
    </message>
</context>
<context>
    <name>frmOptions</name>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Quake2 path:</source>
        <translation>Spielordner:</translation>
    </message>
    <message>
        <source>Executable:</source>
        <translation>Programm:</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Auswählen...</translation>
    </message>
    <message>
        <source>Text viewer:</source>
        <translation>Texteditor:</translation>
    </message>
    <message>
        <source>Close on launch</source>
        <translation>Beim Start schließen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Programs</source>
        <translation>Programme</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>Alle Dateien (*.*)</translation>
    </message>
    <message>
        <source>Quake2 executable does not exist</source>
        <translation>Die Quake2-Programmdatei existiert nicht</translation>
    </message>
    <message>
        <source>Choose the Quake2 folder</source>
        <translation>Quake2-Ordner wählen</translation>
    </message>
    <message>
        <source>There is no file %1.</source>
        <translation>Die Datei %1 gibt es nicht.</translation>
    </message>
</context>
<context>
    <name>frmRandomPicture</name>
    <message>
        <source>Random Picture</source>
        <translation>Zufallsbild</translation>
    </message>
    <message>
        <source>Customize your Corvale program with a picture. What does the picture have to do with the program, you ask? Absolutely nothing, that&apos;s why it&apos;s called a random picture.</source>
        <translation>Gestalten Sie Ihr Corvale mit einem Bild. Was das Bild mit dem Programm zu tun hat, fragen Sie? Überhaupt nichts – deshalb heißt es ja Zufallsbild.</translation>
    </message>
    <message>
        <source>Image File:</source>
        <translation>Bilddatei:</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Auswählen...</translation>
    </message>
    <message>
        <source>Stretch To Fit</source>
        <translation>Einpassen</translation>
    </message>
    <message>
        <source>Note: The picture box  is 200 x 200 pixels</source>
        <translation>Hinweis: Das Bildfeld hat 200 x 200 Pixel</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>All Picture Files</source>
        <translation>Alle Bilddateien</translation>
    </message>
    <message>
        <source>Bitmaps (*.bmp;*.dib)</source>
        <translation>Bitmaps (*.bmp;*.dib)</translation>
    </message>
    <message>
        <source>GIF Images (*.gif)</source>
        <translation>GIF-Bilder (*.gif)</translation>
    </message>
    <message>
        <source>JPEG Images (*.jpg)</source>
        <translation>JPEG-Bilder (*.jpg)</translation>
    </message>
    <message>
        <source>Metafiles (*.wmf;*.emf)</source>
        <translation>Metadateien (*.wmf;*.emf)</translation>
    </message>
    <message>
        <source>Icons (*.ico;*.cur)</source>
        <translation>Symbole (*.ico;*.cur)</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>Alle Dateien (*.*)</translation>
    </message>
</context>
<context>
    <name>frmServer</name>
    <message>
        <source>Server Configuration</source>
        <translation>Serverkonfiguration</translation>
    </message>
    <message>
        <source>Basic Options</source>
        <translation>Grundeinstellungen</translation>
    </message>
    <message>
        <source>Player Mode</source>
        <translation>Spielmodus</translation>
    </message>
    <message>
        <source>Single Player</source>
        <translation>Einzelspieler</translation>
    </message>
    <message>
        <source>Deathmatch</source>
        <translation>Deathmatch</translation>
    </message>
    <message>
        <source>Coop</source>
        <translation>Koop</translation>
    </message>
    <message>
        <source>Difficulty</source>
        <translation>Schwierigkeit</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Leicht</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Schwer</translation>
    </message>
    <message>
        <source>Nightmare</source>
        <translation>Albtraum</translation>
    </message>
    <message>
        <source>Subgame:</source>
        <translation>Mod:</translation>
    </message>
    <message>
        <source>Server Name:</source>
        <translation>Servername:</translation>
    </message>
    <message>
        <source>Max Clients:</source>
        <translation>Max. Clients:</translation>
    </message>
    <message>
        <source>Frag Limit:</source>
        <translation>Fraglimit:</translation>
    </message>
    <message>
        <source>Time Limit:</source>
        <translation>Zeitlimit:</translation>
    </message>
    <message>
        <source>Enable Cheats</source>
        <translation>Cheats erlauben</translation>
    </message>
    <message>
        <source>Allow Client Download</source>
        <translation>Client-Downloads erlauben</translation>
    </message>
    <message>
        <source>Log Console</source>
        <translation>Konsole protokollieren</translation>
    </message>
    <message>
        <source>Map Settings</source>
        <translation>Karteneinstellungen</translation>
    </message>
    <message>
        <source>No map</source>
        <translation>Keine Karte</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Neues Spiel</translation>
    </message>
    <message>
        <source>Load saved game</source>
        <translation>Spielstand laden</translation>
    </message>
    <message>
        <source>Specific map</source>
        <translation>Bestimmte Karte</translation>
    </message>
    <message>
        <source>Random map</source>
        <translation>Zufällige Karte</translation>
    </message>
    <message>
        <source>Map List:</source>
        <translation>Kartenliste:</translation>
    </message>
    <message>
        <source>Single Player Levels</source>
        <translation>Einzelspieler-Level</translation>
    </message>
    <message>
        <source>Deathmatch Levels</source>
        <translation>Deathmatch-Level</translation>
    </message>
    <message>
        <source>Custom Maps</source>
        <translation>Eigene Karten</translation>
    </message>
    <message>
        <source>Map Name:</source>
        <translation>Kartenname:</translation>
    </message>
    <message>
        <source>View Text File</source>
        <translation>Textdatei anzeigen</translation>
    </message>
    <message>
        <source>Deathmath Flags</source>
        <translation>Deathmatch-Flags</translation>
    </message>
    <message>
        <source>No Health</source>
        <translation>Keine Gesundheit</translation>
    </message>
    <message>
        <source>No Powerups</source>
        <translation>Keine Power-ups</translation>
    </message>
    <message>
        <source>Weapons Stay</source>
        <translation>Waffen bleiben</translation>
    </message>
    <message>
        <source>No Falling Damage</source>
        <translation>Kein Fallschaden</translation>
    </message>
    <message>
        <source>Instant Powerups</source>
        <translation>Sofort-Power-ups</translation>
    </message>
    <message>
        <source>Same Map</source>
        <translation>Gleiche Karte</translation>
    </message>
    <message>
        <source>Teams by Skin</source>
        <translation>Teams nach Skin</translation>
    </message>
    <message>
        <source>Teams by Model</source>
        <translation>Teams nach Modell</translation>
    </message>
    <message>
        <source>No Friendly Fire</source>
        <translation>Kein Eigenbeschuss</translation>
    </message>
    <message>
        <source>Spawn Farthest</source>
        <translation>Entferntester Spawnpunkt</translation>
    </message>
    <message>
        <source>Force Respawn</source>
        <translation>Respawn erzwingen</translation>
    </message>
    <message>
        <source>No Armor</source>
        <translation>Keine Rüstung</translation>
    </message>
    <message>
        <source>Allow Exit</source>
        <translation>Ausgang erlauben</translation>
    </message>
    <message>
        <source>Infinite Ammo</source>
        <translation>Unbegrenzte Munition</translation>
    </message>
    <message>
        <source>Quad Drop</source>
        <translation>Quad fallen lassen</translation>
    </message>
    <message>
        <source>Fixed FOV</source>
        <translation>Festes Sichtfeld</translation>
    </message>
    <message>
        <source>CTF Forced Join</source>
        <translation>CTF: Teamzwang</translation>
    </message>
    <message>
        <source>Armor Protect</source>
        <translation>Rüstungsschutz</translation>
    </message>
    <message>
        <source>CTF No Tech Powerups</source>
        <translation>CTF: keine Techs</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Erweitert</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Passwort:</translation>
    </message>
    <message>
        <source>Max entities:</source>
        <translation>Max. Entitäten:</translation>
    </message>
    <message>
        <source>Max velocity:</source>
        <translation>Max. Tempo:</translation>
    </message>
    <message>
        <source>Gravity:</source>
        <translation>Schwerkraft:</translation>
    </message>
    <message>
        <source>Xfer rate:</source>
        <translation>Transferrate:</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port:</translation>
    </message>
    <message>
        <source>Timeout:</source>
        <translation>Timeout:</translation>
    </message>
    <message>
        <source>Heartbeat</source>
        <translation>Lebenszeichen</translation>
    </message>
    <message>
        <source>Frame Skip</source>
        <translation>Frames auslassen</translation>
    </message>
    <message>
        <source>Select Empty Weapon</source>
        <translation>Leere Waffen wählbar</translation>
    </message>
    <message>
        <source>Public</source>
        <translation>Öffentlich</translation>
    </message>
    <message>
        <source>Extra Commands:</source>
        <translation>Zusätzliche Befehle:</translation>
    </message>
    <message>
        <source>Note: These commands will be executed after normal server commands but before map loading.</source>
        <translation>Hinweis: Diese Befehle werden nach den normalen Serverbefehlen, aber vor dem Laden der Karte ausgeführt.</translation>
    </message>
    <message>
        <source>Defaults</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>&lt;empty&gt;</source>
        <translation>&lt;leer&gt;</translation>
    </message>
    <message>
        <source>Server Configuration - [%1]</source>
        <translation>Serverkonfiguration - [%1]</translation>
    </message>
    <message>
        <source>Could not open text file</source>
        <translation>Textdatei konnte nicht geöffnet werden</translation>
    </message>
</context>
<context>
    <name>frmServerFinder</name>
    <message>
        <source>Search the &amp;local network</source>
        <translation>&amp;Lokales Netz durchsuchen</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>&amp;Aktualisieren</translation>
    </message>
    <message>
        <source>&amp;Add to Remote Servers</source>
        <translation>Zu den entfernten Servern &amp;hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Join</source>
        <translation>&amp;Beitreten</translation>
    </message>
    <message>
        <source>Join When a &amp;Slot Frees</source>
        <translation>Bei freiem &amp;Platz beitreten</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Find Servers</source>
        <translation>Server finden</translation>
    </message>
    <message>
        <source>&amp;Masters…</source>
        <translation>&amp;Master…</translation>
    </message>
    <message>
        <source>Name, map, address or player</source>
        <translation>Name, Karte, Adresse oder Spieler</translation>
    </message>
    <message>
        <source>Hide &amp;empty</source>
        <translation>&amp;Leere ausblenden</translation>
    </message>
    <message>
        <source>Hide &amp;full</source>
        <translation>&amp;Volle ausblenden</translation>
    </message>
    <message>
        <source>any</source>
        <translation>beliebig</translation>
    </message>
    <message>
        <source> ms</source>
        <translation> ms</translation>
    </message>
    <message>
        <source>All games</source>
        <translation>Alle Spiele</translation>
    </message>
    <message>
        <source>&amp;Filter:</source>
        <translation>&amp;Filter:</translation>
    </message>
    <message>
        <source>Max &amp;ping:</source>
        <translation>Max. &amp;Ping:</translation>
    </message>
    <message>
        <source>&amp;Game:</source>
        <translation>&amp;Spiel:</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>Frags</source>
        <translation>Frags</translation>
    </message>
    <message>
        <source>Ping</source>
        <translation>Ping</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Schlüssel</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>asking…</source>
        <translation>wird gefragt…</translation>
    </message>
    <message>
        <source>No masters to ask: add some with Masters…</source>
        <translation>Keine Master zu fragen: mit Master… welche eintragen</translation>
    </message>
    <message>
        <source>A slot came free on %1: joining.</source>
        <translation>Auf %1 ist ein Platz frei geworden: Beitritt.</translation>
    </message>
    <message>
        <source>Waiting for a free slot on %1…</source>
        <translation>Warten auf einen freien Platz auf %1…</translation>
    </message>
</context>
<context>
    <name>frmServerStatus</name>
    <message>
        <source>Key</source>
        <translation>Schlüssel</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Frags</source>
        <translation>Frags</translation>
    </message>
    <message>
        <source>Ping</source>
        <translation>Ping</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>&amp;Aktualisieren</translation>
    </message>
    <message>
        <source>Server Status — %1</source>
        <translation>Serverstatus — %1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Asking the server…</source>
        <translation>Server wird abgefragt…</translation>
    </message>
    <message>
        <source>last answer at %1</source>
        <translation>letzte Antwort um %1</translation>
    </message>
    <message>
        <source>never answered</source>
        <translation>nie geantwortet</translation>
    </message>
    <message>
        <source>no answer</source>
        <translation>keine Antwort</translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <translation>%1 — %2</translation>
    </message>
    <message>
        <source>Ping %1 ms — answered at %2</source>
        <translation>Ping %1 ms — Antwort um %2</translation>
    </message>
    <message>
        <source>Bad reply — %1</source>
        <translation>Fehlerhafte Antwort — %1</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
</context>
<context>
    <name>frmUserProfile</name>
    <message>
        <source>User Profile</source>
        <translation>Benutzerprofil</translation>
    </message>
    <message>
        <source>Profile Name:</source>
        <translation>Profilname:</translation>
    </message>
    <message>
        <source>Config File:</source>
        <translation>Konfig:</translation>
    </message>
    <message>
        <source>Edit...</source>
        <translation>Öffnen...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>You must enter a profile name</source>
        <translation>Bitte geben Sie einen Profilnamen ein</translation>
    </message>
    <message>
        <source>Could not open config file</source>
        <translation>Konfigurationsdatei konnte nicht geöffnet werden</translation>
    </message>
</context>
</TS>
