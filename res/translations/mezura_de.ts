<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AboutDialog</name>
    <message>
        <source>The Mezura developers</source>
        <translation>Die Mezura-Entwickler</translation>
    </message>
    <message>
        <source>About Mezura</source>
        <translation>Über Mezura</translation>
    </message>
    <message>
        <source>Mezura icon</source>
        <translation>Mezura-Symbol</translation>
    </message>
    <message>
        <source>Mezura Version 4.0</source>
        <translation>Mezura Version 4.0</translation>
    </message>
    <message>
        <source>Free software under the MIT License.</source>
        <translation>Freie Software unter der MIT-Lizenz.</translation>
    </message>
    <message>
        <source>Click to write a mail to the authors</source>
        <translation>Klicken, um den Autoren eine E-Mail zu schreiben</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>CustomPage</name>
    <message>
        <source>This category name already exists.</source>
        <translation>Dieser Kategoriename ist bereits vorhanden.</translation>
    </message>
    <message>
        <source>The settings file cannot hold the character &quot;%1&quot;: please choose a name without it.</source>
        <translation>Die Einstellungsdatei kann das Zeichen „%1“ nicht speichern: Bitte einen Namen ohne dieses Zeichen wählen.</translation>
    </message>
    <message>
        <source>Please Enter a valid name for the Category</source>
        <translation>Bitte geben Sie einen gültigen Namen für die Kategorie ein</translation>
    </message>
    <message>
        <source>You have reached the maximum allowed custom categories</source>
        <translation>Sie haben die Höchstzahl eigener Kategorien erreicht</translation>
    </message>
    <message>
        <source>Operation failed</source>
        <translation>Vorgang fehlgeschlagen</translation>
    </message>
    <message>
        <source>

You may only remove previously added categories.</source>
        <translation>

Sie können nur selbst hinzugefügte Kategorien entfernen.</translation>
    </message>
    <message>
        <source>

Are you sure you want to remove the selected Category?</source>
        <translation>

Soll die gewählte Kategorie wirklich entfernt werden?</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Eigene</translation>
    </message>
    <message>
        <source>Add new category    </source>
        <translation>Neue Kategorie hinzufügen    </translation>
    </message>
    <message>
        <source>Add category</source>
        <translation>Kategorie hinzufügen</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Add units in existing category    </source>
        <translation>Einheiten in bestehender Kategorie hinzufügen    </translation>
    </message>
    <message>
        <source>Existing category</source>
        <translation>Bestehende Kategorie</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>UNIT</source>
        <translation>EINHEIT</translation>
    </message>
    <message>
        <source>FACTOR</source>
        <translation>FAKTOR</translation>
    </message>
    <message>
        <source>equals</source>
        <translation>gleich</translation>
    </message>
    <message>
        <source>New category name</source>
        <translation>Name der neuen Kategorie</translation>
    </message>
    <message>
        <source>Remove category</source>
        <translation>Kategorie entfernen</translation>
    </message>
    <message>
        <source>New unit name</source>
        <translation>Name der neuen Einheit</translation>
    </message>
    <message>
        <source>One new unit equals the factor times the existing unit</source>
        <translation>Eine neue Einheit ist gleich dem Faktor mal der bestehenden Einheit</translation>
    </message>
    <message>
        <source>Factor</source>
        <translation>Faktor</translation>
    </message>
    <message>
        <source>How many existing units make one new unit</source>
        <translation>Wie viele bestehende Einheiten eine neue Einheit ergeben</translation>
    </message>
    <message>
        <source>Existing unit</source>
        <translation>Bestehende Einheit</translation>
    </message>
    <message>
        <source>Add unit</source>
        <translation>Einheit hinzufügen</translation>
    </message>
    <message>
        <source>Remove unit</source>
        <translation>Einheit entfernen</translation>
    </message>
    <message>
        <source>Mezura</source>
        <translation>Mezura</translation>
    </message>
    <message>
        <source>You have reached maximum allowed custom unit for this category.</source>
        <translation>Sie haben die Höchstzahl eigener Einheiten für diese Kategorie erreicht.</translation>
    </message>
    <message>
        <source>Please enter a valid name for the new unit.</source>
        <translation>Bitte geben Sie einen gültigen Namen für die neue Einheit ein.</translation>
    </message>
    <message>
        <source>The name you have chosen 
is already in use.</source>
        <translation>Der gewählte Name 
wird bereits verwendet.</translation>
    </message>
    <message>
        <source>Enter a valid conversion factor for the unit</source>
        <translation>Geben Sie einen gültigen Umrechnungsfaktor für die Einheit ein</translation>
    </message>
    <message>
        <source>

You may only remove previously added units.</source>
        <translation>

Sie können nur selbst hinzugefügte Einheiten entfernen.</translation>
    </message>
    <message>
        <source>Are you sure you want to remove the selected unit?</source>
        <translation>Soll die gewählte Einheit wirklich entfernt werden?</translation>
    </message>
    <message>
        <source>The settings file has no room left for another custom category.</source>
        <translation>Die Einstellungsdatei hat keinen Platz mehr für eine weitere eigene Kategorie.</translation>
    </message>
    <message>
        <source>You have reached the maximum allowed custom units for this category</source>
        <translation>Sie haben die Höchstzahl an Einheiten für diese Kategorie erreicht</translation>
    </message>
    <message>
        <source>The settings file has no room left for another custom unit in this category.</source>
        <translation>Die Einstellungsdatei hat keinen Platz mehr für eine weitere eigene Einheit in dieser Kategorie.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is already the symbol of &quot;%2&quot;</source>
        <translation>&quot;%1&quot; ist bereits das Zeichen für &quot;%2&quot;</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is one of the words queries are written with (to, in, per): please choose another name.</source>
        <translation>&quot;%1&quot; ist eines der Wörter, mit denen Abfragen geschrieben werden (to, in, per): Bitte wählen Sie einen anderen Namen.</translation>
    </message>
    <message>
        <source>The name cannot hold &quot;%1&quot;: queries read + ; * / ^ ( ) as signs. Please choose another name.</source>
        <translation>Der Name darf &quot;%1&quot; nicht enthalten: Abfragen lesen + ; * / ^ ( ) als Zeichen. Bitte wählen Sie einen anderen Namen.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; would be read as a number in a query: please choose another name.</source>
        <translation>&quot;%1&quot; würde in einer Abfrage als Zahl gelesen: Bitte wählen Sie einen anderen Namen.</translation>
    </message>
</context>
<context>
    <name>Desktop</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>FindUnitPopup</name>
    <message>
        <source>Find unit</source>
        <translation>Einheit suchen</translation>
    </message>
    <message>
        <source>Unit name or symbol</source>
        <translation>Name oder Zeichen der Einheit</translation>
    </message>
    <message>
        <source>Units found</source>
        <translation>Gefundene Einheiten</translation>
    </message>
    <message>
        <source>&amp;Input unit</source>
        <translation>&amp;Eingabeeinheit</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Eingabetaste</translation>
    </message>
    <message>
        <source>&amp;Output unit</source>
        <translation>&amp;Ausgabeeinheit</translation>
    </message>
    <message>
        <source>Shift+Enter</source>
        <translation>Umschalt+Eingabetaste</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Favourite %1</source>
        <translation>Favorit %1</translation>
    </message>
    <message>
        <source>No exchange rates yet</source>
        <translation>Noch keine Wechselkurse</translation>
    </message>
    <message>
        <source>No unit matches</source>
        <translation>Keine Einheit passt</translation>
    </message>
</context>
<context>
    <name>GeneralPage</name>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Always on top</source>
        <translation>Immer im Vordergrund</translation>
    </message>
    <message>
        <source>General Options  </source>
        <translation>Allgemeine Optionen  </translation>
    </message>
    <message>
        <source>Remember last used category on startup</source>
        <translation>Zuletzt verwendete Kategorie beim Start wieder öffnen</translation>
    </message>
    <message>
        <source>Wayland does not let an application keep its window above other windows.</source>
        <translation>Wayland erlaubt einer Anwendung nicht, ihr Fenster über anderen Fenstern zu halten.</translation>
    </message>
    <message>
        <source>Download exchange rates</source>
        <translation>Wechselkurse herunterladen</translation>
    </message>
    <message>
        <source>While Currency is shown, the rates of the ECB and of the NBP&apos;s tables A and B are downloaded when newer ones are out. Off, Mezura never goes online and uses the rates it has.</source>
        <translation>Solange Währung angezeigt wird, werden die Kurse der EZB und der NBP-Tabellen A und B geladen, sobald neuere erschienen sind. Ausgeschaltet geht Mezura nie ins Netz und verwendet die vorhandenen Kurse.</translation>
    </message>
    <message>
        <source>Keep a history of conversions</source>
        <translation>Verlauf der Umrechnungen führen</translation>
    </message>
    <message>
        <source>Clear &amp;history</source>
        <translation>&amp;Verlauf löschen</translation>
    </message>
    <message>
        <source>Conversions you settle on are listed under Options &gt; History (Ctrl+H).</source>
        <translation>Umrechnungen, bei denen Sie bleiben, stehen unter Optionen &gt; Verlauf (Strg+H).</translation>
    </message>
    <message>
        <source>Clear history</source>
        <translation>Verlauf löschen</translation>
    </message>
</context>
<context>
    <name>HistoryPopup</name>
    <message>
        <source>History</source>
        <translation>Verlauf</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>Filter the history</source>
        <translation>Verlauf filtern</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Conversions, newest first</source>
        <translation>Umrechnungen, neueste zuerst</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Eingabetaste</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Entf</translation>
    </message>
    <message>
        <source>&amp;Clear history</source>
        <translation>Verlauf &amp;löschen</translation>
    </message>
    <message>
        <source>No conversions yet</source>
        <translation>Noch keine Umrechnungen</translation>
    </message>
    <message>
        <source>No conversion matches</source>
        <translation>Keine Umrechnung passt</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Mezura</source>
        <translation>Mezura</translation>
    </message>
    <message>
        <source>Select Units </source>
        <translation>Einheiten wählen </translation>
    </message>
    <message>
        <source>Result </source>
        <translation>Ergebnis </translation>
    </message>
    <message>
        <source>INPUT</source>
        <translation>EINGABE</translation>
    </message>
    <message>
        <source>OUTPUT</source>
        <translation>AUSGABE</translation>
    </message>
    <message>
        <source>(Select quantity)</source>
        <translation>(Größe wählen)</translation>
    </message>
    <message>
        <source>Quantity</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>The quantity whose units are listed</source>
        <translation>Die Größe, deren Einheiten aufgelistet sind</translation>
    </message>
    <message>
        <source>Input unit</source>
        <translation>Eingabeeinheit</translation>
    </message>
    <message>
        <source>The unit of the value you type</source>
        <translation>Die Einheit des eingegebenen Werts</translation>
    </message>
    <message>
        <source>Output unit</source>
        <translation>Ausgabeeinheit</translation>
    </message>
    <message>
        <source>The unit of the result</source>
        <translation>Die Einheit des Ergebnisses</translation>
    </message>
    <message>
        <source>Input value</source>
        <translation>Eingabewert</translation>
    </message>
    <message>
        <source>The number to convert</source>
        <translation>Die umzurechnende Zahl</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>The converted value, in the output unit</source>
        <translation>Der umgerechnete Wert in der Ausgabeeinheit</translation>
    </message>
    <message>
        <source>equals</source>
        <translation>gleich</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>Copy output	Alt+C</source>
        <translation>Ergebnis kopieren	Alt+C</translation>
    </message>
    <message>
        <source>Calculator	Alt+L</source>
        <translation>Taschenrechner	Alt+L</translation>
    </message>
    <message>
        <source>Preferences              </source>
        <translation>Einstellungen              </translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Über</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>&amp;Find unit…</source>
        <translation>Einheit &amp;suchen…</translation>
    </message>
    <message>
        <source>&amp;Swap units</source>
        <translation>Einheiten &amp;tauschen</translation>
    </message>
    <message>
        <source>No calculator is installed. Mezura looked for %1.</source>
        <translation>Es ist kein Taschenrechner installiert. Mezura hat nach %1 gesucht.</translation>
    </message>
    <message>
        <source>The calculator %1 could not be started.</source>
        <translation>Der Taschenrechner %1 konnte nicht gestartet werden.</translation>
    </message>
    <message>
        <source>%1: %2 → %3</source>
        <translation>%1: %2 → %3</translation>
    </message>
    <message>
        <source>&amp;Remove from favourites</source>
        <translation>Aus Favoriten &amp;entfernen</translation>
    </message>
    <message>
        <source>&amp;Add to favourites</source>
        <translation>Zu Favoriten &amp;hinzufügen</translation>
    </message>
    <message>
        <source>No favourites yet</source>
        <translation>Noch keine Favoriten</translation>
    </message>
    <message>
        <source>The history in %1 could not be read (%2). Mezura starts a new history.</source>
        <translation>Der Verlauf in %1 konnte nicht gelesen werden (%2). Mezura beginnt einen neuen Verlauf.</translation>
    </message>
    <message>
        <source>%1 %2 = %3 %4 (%5)</source>
        <translation>%1 %2 = %3 %4 (%5)</translation>
    </message>
    <message>
        <source>%1 no longer exists.</source>
        <translation>%1 gibt es nicht mehr.</translation>
    </message>
    <message>
        <source>%1 is not listed.</source>
        <translation>%1 ist nicht aufgeführt.</translation>
    </message>
    <message>
        <source>&amp;History…</source>
        <translation>&amp;Verlauf…</translation>
    </message>
    <message>
        <source>Fa&amp;vourites</source>
        <translation>&amp;Favoriten</translation>
    </message>
</context>
<context>
    <name>MezuraApp</name>
    <message>
        <source>Mezura could not save its settings to
%1

%2

The settings stay in effect until Mezura is closed.</source>
        <translation>Mezura konnte seine Einstellungen nicht speichern in
%1

%2

Die Einstellungen gelten weiter, bis Mezura geschlossen wird.</translation>
    </message>
    <message>
        <source>Mezura</source>
        <translation>Mezura</translation>
    </message>
    <message>
        <source>Mezura could not save its settings to
%1

%2

The changes made since the last save are lost.</source>
        <translation>Mezura konnte seine Einstellungen nicht speichern in
%1

%2

Die Änderungen seit dem letzten Speichern sind verloren.</translation>
    </message>
    <message>
        <source>Mezura could not read its settings from
%1

%2

Mezura starts with its default settings and leaves the file as it is.</source>
        <translation>Mezura konnte seine Einstellungen nicht lesen aus
%1

%2

Mezura startet mit den Standardeinstellungen und lässt die Datei unverändert.</translation>
    </message>
</context>
<context>
    <name>PreferencesSheet</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Seiten</translation>
    </message>
</context>
<context>
    <name>ResultsPage</name>
    <message>
        <source>Result Format</source>
        <translation>Ergebnisformat</translation>
    </message>
    <message>
        <source>Select the format of the results     </source>
        <translation>Format der Ergebnisse wählen     </translation>
    </message>
    <message>
        <source>AutoFormat</source>
        <translation>Automatisch</translation>
    </message>
    <message>
        <source>Scientific</source>
        <translation>Wissenschaftlich</translation>
    </message>
    <message>
        <source>Fixed</source>
        <translation>Fest</translation>
    </message>
    <message>
        <source>Set decimal precision </source>
        <translation>Nachkommastellen </translation>
    </message>
    <message>
        <source> Preview </source>
        <translation> Vorschau </translation>
    </message>
    <message>
        <source>Decimal precision</source>
        <translation>Nachkommastellen</translation>
    </message>
    <message>
        <source>Mixed units: feet and inches, pounds, hours, degrees</source>
        <translation>Gemischte Einheiten: Fuß und Zoll, Pfund, Stunden, Grad</translation>
    </message>
    <message>
        <source>Inches to the nearest</source>
        <translation>Zoll gerundet auf</translation>
    </message>
    <message>
        <source>Decimal separator</source>
        <translation>Dezimaltrennzeichen</translation>
    </message>
    <message>
        <source>The language&apos;s (%1)</source>
        <extracomment>%1 is the separator the user&apos;s language writes: &quot;,&quot; or &quot;.&quot;</extracomment>
        <translation>Die der Sprache (%1)</translation>
    </message>
    <message>
        <source>Always &quot;.&quot;</source>
        <translation>Immer „.“</translation>
    </message>
    <message>
        <source>Your language writes a decimal point already.</source>
        <translation>Diese Sprache schreibt ohnehin einen Dezimalpunkt.</translation>
    </message>
</context>
<context>
    <name>SessionLanguage</name>
    <message>
        <source>en</source>
        <extracomment>The language of the unit and category names: &quot;de&quot; shows the German ones.</extracomment>
        <translation>de</translation>
    </message>
</context>
<context>
    <name>TitleStrip</name>
    <message>
        <source>Minimize</source>
        <translation>Minimieren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>VisiblePage</name>
    <message>
        <source>Visible Categories</source>
        <translation>Sichtbare Kategorien</translation>
    </message>
    <message>
        <source>Display all Categories</source>
        <translation>Alle Kategorien anzeigen</translation>
    </message>
    <message>
        <source>Visible categories</source>
        <translation>Sichtbare Kategorien</translation>
    </message>
    <message>
        <source>Checked categories are listed in the main window</source>
        <translation>Angekreuzte Kategorien erscheinen im Hauptfenster</translation>
    </message>
</context>
<context>
    <name>WindowRates</name>
    <message>
        <source>ECB reference rates of %1</source>
        <translation>EZB-Referenzkurse vom %1</translation>
    </message>
    <message>
        <source> (%1 days old)</source>
        <translation> (%1 Tage alt)</translation>
    </message>
    <message>
        <source>NBP table A of %1</source>
        <translation>NBP-Tabelle A vom %1</translation>
    </message>
    <message>
        <source>NBP table B of %1</source>
        <translation>NBP-Tabelle B vom %1</translation>
    </message>
    <message>
        <source> for %1</source>
        <translation> für %1</translation>
    </message>
    <message>
        <source>, in euros by %1</source>
        <translation>, in Euro nach %1</translation>
    </message>
    <message>
        <source>ECB %1</source>
        <extracomment>The sources in short: &quot;ECB 2026-12-07; NBP B 2026-12-02 for ARS; NBP A 2026-12-07&quot;.</extracomment>
        <translation>EZB %1</translation>
    </message>
    <message>
        <source>NBP A %1</source>
        <translation>NBP A %1</translation>
    </message>
    <message>
        <source>NBP B %1</source>
        <translation>NBP B %1</translation>
    </message>
    <message>
        <source> (%1 days)</source>
        <translation> (%1 Tage)</translation>
    </message>
    <message>
        <source>Downloading the exchange rates…</source>
        <translation>Die Wechselkurse werden geladen…</translation>
    </message>
    <message>
        <source>No exchange rates yet</source>
        <translation>Noch keine Wechselkurse</translation>
    </message>
    <message>
        <source> (download failed)</source>
        <translation> (Laden fehlgeschlagen)</translation>
    </message>
</context>
</TS>
