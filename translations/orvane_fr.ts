<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en">
<context>
    <name>AboutDlg</name>
    <message>
        <source>About Orvane</source>
        <translation>À propos d&apos;Orvane</translation>
    </message>
    <message>
        <source>Melvex400 Orvane Version 1.0</source>
        <translation>Melvex400 Orvane version 1.0</translation>
    </message>
    <message>
        <source>Channel list editor for the receiver&apos;s database</source>
        <translation>Éditeur de la liste des chaînes de la base de données du récepteur</translation>
    </message>
</context>
<context>
    <name>AppMessages</name>
    <message>
        <source>It has no DB. First open your DB!</source>
        <translation>Aucune base ouverte. Ouvrez d&apos;abord votre base !</translation>
    </message>
</context>
<context>
    <name>BulkCommands</name>
    <message>
        <source>Loc&amp;k</source>
        <translation>&amp;Verrouiller</translation>
    </message>
    <message>
        <source>U&amp;nlock</source>
        <translation>Dé&amp;verrouiller</translation>
    </message>
    <message>
        <source>&amp;Hide</source>
        <translation>&amp;Masquer</translation>
    </message>
    <message>
        <source>Un&amp;hide</source>
        <translation>Afficher (dé&amp;masquer)</translation>
    </message>
    <message>
        <source>Move to &amp;Top</source>
        <translation>Déplacer en &amp;haut</translation>
    </message>
    <message>
        <source>Move to &amp;Bottom</source>
        <translation>Déplacer en &amp;bas</translation>
    </message>
    <message>
        <source>Move to N&amp;umber…</source>
        <translation>Déplacer au n&amp;uméro…</translation>
    </message>
    <message>
        <source>Replace in &amp;Names…</source>
        <translation>Remplacer dans les &amp;noms…</translation>
    </message>
    <message>
        <source>&amp;Renumber Selection From…</source>
        <translation>&amp;Renuméroter la sélection à partir de…</translation>
    </message>
    <message>
        <source>exceed valid number!</source>
        <translation>Numéro non valide !</translation>
    </message>
    <message>
        <source>%1 failed (sqlite3 error %2); nothing was changed.</source>
        <translation>%1 a échoué (erreur sqlite3 %2) ; rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>Move to Number</source>
        <translation>Déplacer au numéro</translation>
    </message>
    <message>
        <source>The selected channels take the places from:</source>
        <translation>Les chaînes sélectionnées prennent les places à partir de :</translation>
    </message>
    <message>
        <source>Renumber Selection From</source>
        <translation>Renuméroter la sélection à partir de</translation>
    </message>
    <message>
        <source>The selected channels are numbered from:</source>
        <translation>Les chaînes sélectionnées sont numérotées à partir de :</translation>
    </message>
    <message>
        <source>Adding to &quot;%1&quot;</source>
        <translation>Ajout à « %1 »</translation>
    </message>
    <message>
        <source>You already insert same channel!
%1 of the %2 channels were in &quot;%3&quot; already and were skipped.</source>
        <translation>Cette chaîne est déjà présente !
%1 des %2 chaînes étaient déjà dans « %3 » et ont été ignorées.</translation>
    </message>
    <message>
        <source>Add to &amp;Favourite Group</source>
        <translation>Ajouter au groupe de &amp;favoris</translation>
    </message>
    <message>
        <source>Renumbering</source>
        <translation>Renumérotation</translation>
    </message>
    <message>
        <source>Replacing in names</source>
        <translation>Remplacement dans les noms</translation>
    </message>
    <message numerus="yes">
        <source>Lock %n channel(s)</source>
        <translation>
            <numerusform>Verrouiller %n chaîne</numerusform>
            <numerusform>Verrouiller %n chaînes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Unlock %n channel(s)</source>
        <translation>
            <numerusform>Déverrouiller %n chaîne</numerusform>
            <numerusform>Déverrouiller %n chaînes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Hide %n channel(s)</source>
        <translation>
            <numerusform>Masquer %n chaîne</numerusform>
            <numerusform>Masquer %n chaînes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Unhide %n channel(s)</source>
        <translation>
            <numerusform>Afficher %n chaîne</numerusform>
            <numerusform>Afficher %n chaînes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Add %n channel(s) to %1</source>
        <translation>
            <numerusform>Ajouter %n chaîne à %1</numerusform>
            <numerusform>Ajouter %n chaînes à %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n other channel(s) are already numbered from %1 to %2.
Move the channels numbered %1 and up by %3 to make room? No cancels.</source>
        <translation>
            <numerusform>%n autre chaîne est déjà numérotée de %1 à %2.
Décaler de %3 les chaînes numérotées à partir de %1 pour faire de la place ? Non annule.</numerusform>
            <numerusform>%n autres chaînes sont déjà numérotées de %1 à %2.
Décaler de %3 les chaînes numérotées à partir de %1 pour faire de la place ? Non annule.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Renumber %n channel(s) from %1</source>
        <translation>
            <numerusform>Renuméroter %n chaîne à partir de %1</numerusform>
            <numerusform>Renuméroter %n chaînes à partir de %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Replace in %n name(s)</source>
        <translation>
            <numerusform>Remplacer dans %n nom</numerusform>
            <numerusform>Remplacer dans %n noms</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Move %n channel(s) to the top</source>
        <translation>
            <numerusform>Déplacer %n chaîne en haut</numerusform>
            <numerusform>Déplacer %n chaînes en haut</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Move %n channel(s) to the bottom</source>
        <translation>
            <numerusform>Déplacer %n chaîne en bas</numerusform>
            <numerusform>Déplacer %n chaînes en bas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Move %n channel(s) to number %1</source>
        <translation>
            <numerusform>Déplacer %n chaîne au numéro %1</numerusform>
            <numerusform>Déplacer %n chaînes au numéro %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>BusyProgress</name>
    <message>
        <source>%1: %2 of %3</source>
        <translation>%1 : %2 sur %3</translation>
    </message>
</context>
<context>
    <name>CAddChannelsDlg</name>
    <message>
        <source>Add Channels from Another File</source>
        <translation>Ajouter des chaînes d&apos;un autre fichier</translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s) of %1 are not in this file:</source>
        <translation>
            <numerusform>%n chaîne de %1 n&apos;est pas dans ce fichier :</numerusform>
            <numerusform>%n chaînes de %1 ne sont pas dans ce fichier :</numerusform>
        </translation>
    </message>
    <message>
        <source>Filter by name, satellite or provider</source>
        <translation>Filtrer par nom, satellite ou fournisseur</translation>
    </message>
    <message>
        <source>No</source>
        <translation>N°</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellite</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>Transpondeur</translation>
    </message>
    <message>
        <source>Provider</source>
        <translation>Fournisseur</translation>
    </message>
    <message>
        <source>after the last channel</source>
        <translation>après la dernière chaîne</translation>
    </message>
    <message>
        <source>&amp;Number from:</source>
        <translation>&amp;Numéroter à partir de :</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>&amp;Tout sélectionner</translation>
    </message>
    <message>
        <source>Select the channels to add.</source>
        <translation>Sélectionnez les chaînes à ajouter.</translation>
    </message>
    <message>
        <source>Give a channel number from 1 to 99999, or leave it blank.</source>
        <translation>Indiquez un numéro de chaîne de 1 à 99999, ou laissez le champ vide.</translation>
    </message>
</context>
<context>
    <name>CBulkCommands</name>
    <message>
        <source>Renumbering channels</source>
        <translation>Renumérotation des chaînes</translation>
    </message>
    <message>
        <source>Renaming channels</source>
        <translation>Renommage des chaînes</translation>
    </message>
</context>
<context>
    <name>CCompareFileDlg</name>
    <message>
        <source>Compare with %1</source>
        <translation>Comparaison avec %1</translation>
    </message>
    <message>
        <source>%1 added, %2 removed, %3 moved, %4 renamed</source>
        <translation>%1 ajoutées, %2 supprimées, %3 déplacées, %4 renommées</translation>
    </message>
    <message>
        <source>All changes</source>
        <translation>Toutes les modifications</translation>
    </message>
    <message>
        <source>Added</source>
        <translation>Ajoutées</translation>
    </message>
    <message>
        <source>Removed</source>
        <translation>Supprimées</translation>
    </message>
    <message>
        <source>Moved</source>
        <translation>Déplacées</translation>
    </message>
    <message>
        <source>Renamed</source>
        <translation>Renommées</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Modification</translation>
    </message>
    <message>
        <source>No</source>
        <translation>N°</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>New No</source>
        <translation>Nouveau n°</translation>
    </message>
    <message>
        <source>New Name</source>
        <translation>Nouveau nom</translation>
    </message>
    <message>
        <source>Rule</source>
        <translation>Règle</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellite</translation>
    </message>
    <message>
        <source>added</source>
        <translation>ajoutée</translation>
    </message>
    <message>
        <source>removed</source>
        <translation>supprimée</translation>
    </message>
    <message>
        <source>moved</source>
        <translation>déplacée</translation>
    </message>
    <message>
        <source>renamed</source>
        <translation>renommée</translation>
    </message>
    <message>
        <source>Apply &amp;Order from This File</source>
        <translation>Appliquer l&apos;&amp;ordre de ce fichier</translation>
    </message>
    <message>
        <source>Add &amp;New Channels to Group…</source>
        <translation>Ajouter les &amp;nouvelles chaînes à un groupe…</translation>
    </message>
</context>
<context>
    <name>CCrossFileTools</name>
    <message>
        <source>Add New Channels to Group</source>
        <translation>Ajouter les nouvelles chaînes à un groupe</translation>
    </message>
    <message>
        <source>&amp;Group:</source>
        <translation>&amp;Groupe :</translation>
    </message>
    <message>
        <source>&amp;Compare with File…</source>
        <translation>&amp;Comparer avec un fichier…</translation>
    </message>
    <message>
        <source>&amp;Add Channels from Another File…</source>
        <translation>&amp;Ajouter des chaînes d&apos;un autre fichier…</translation>
    </message>
    <message>
        <source>%1 fails the receiver&apos;s checks and was not used; nothing was changed.
%2</source>
        <translation>%1 ne passe pas les contrôles du récepteur et n&apos;a pas été utilisé ; rien n&apos;a été modifié.
%2</translation>
    </message>
    <message>
        <source>Compare with File</source>
        <translation>Comparer avec un fichier</translation>
    </message>
    <message>
        <source>Add Channels from Another File</source>
        <translation>Ajouter des chaînes d&apos;un autre fichier</translation>
    </message>
    <message>
        <source>%1 could not be read.
%2</source>
        <translation>%1 n&apos;a pas pu être lu.
%2</translation>
    </message>
    <message>
        <source>This file has no favourite group to add the channels to.</source>
        <translation>Ce fichier n&apos;a aucun groupe de favoris auquel ajouter les chaînes.</translation>
    </message>
    <message numerus="yes">
        <source>Add %n new channel(s) to %1</source>
        <translation>
            <numerusform>Ajouter %n nouvelle chaîne à %1</numerusform>
            <numerusform>Ajouter %n nouvelles chaînes à %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Adding to &quot;%1&quot; failed (sqlite3 error %2); nothing was changed.</source>
        <translation>L&apos;ajout à « %1 » a échoué (erreur sqlite3 %2) ; rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>This file holds every channel of %1.</source>
        <translation>Ce fichier contient toutes les chaînes de %1.</translation>
    </message>
    <message>
        <source>None of the chosen channels can be added; nothing was changed.
%1</source>
        <translation>Aucune des chaînes choisies ne peut être ajoutée ; rien n&apos;a été modifié.
%1</translation>
    </message>
    <message numerus="yes">
        <source>%n of the chosen channels cannot be added. Add the %1 others?</source>
        <translation>
            <numerusform>%n des chaînes choisies ne peut pas être ajoutée. Ajouter les %1 autres ?</numerusform>
            <numerusform>%n des chaînes choisies ne peuvent pas être ajoutées. Ajouter les %1 autres ?</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Add the Others</source>
        <translation>&amp;Ajouter les autres</translation>
    </message>
    <message numerus="yes">
        <source>Add %n channel(s) from %1</source>
        <translation>
            <numerusform>Ajouter %n chaîne de %1</numerusform>
            <numerusform>Ajouter %n chaînes de %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Adding the channels failed (sqlite3 error %1); nothing was changed.</source>
        <translation>L&apos;ajout des chaînes a échoué (erreur sqlite3 %1) ; rien n&apos;a été modifié.</translation>
    </message>
</context>
<context>
    <name>CEditLnbDlg</name>
    <message>
        <source>Local Freq (high band)</source>
        <translation>Fréq. OL (bande haute)</translation>
    </message>
</context>
<context>
    <name>CLNBView</name>
    <message>
        <source>Copy Tuner1&apos;s LNB settings to Tuner2</source>
        <translation>Copier les réglages LNB du tuner 1 vers le tuner 2</translation>
    </message>
    <message>
        <source>Showing Tuner%1</source>
        <translation>Affiché : tuner %1</translation>
    </message>
</context>
<context>
    <name>COrvaneView</name>
    <message>
        <source>Renumbering channels</source>
        <translation>Renumérotation des chaînes</translation>
    </message>
</context>
<context>
    <name>CPrintCommands</name>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Imprimer…</translation>
    </message>
    <message>
        <source>Print Pre&amp;view…</source>
        <translation>&amp;Aperçu avant impression…</translation>
    </message>
    <message>
        <source>&amp;Export as PDF…</source>
        <translation>&amp;Exporter en PDF…</translation>
    </message>
    <message>
        <source>The list could not be printed.</source>
        <translation>La liste n&apos;a pas pu être imprimée.</translation>
    </message>
    <message>
        <source>Export as PDF</source>
        <translation>Exporter en PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
    <message>
        <source>%1 is the open channel file; choose another name for the PDF.</source>
        <translation>%1 est le fichier de chaînes ouvert ; choisissez un autre nom pour le PDF.</translation>
    </message>
</context>
<context>
    <name>CStatusCounts</name>
    <message>
        <source>%1 of %2 shown</source>
        <translation>%1 affichées sur %2</translation>
    </message>
    <message>
        <source>   Group &quot;%1&quot;: %2</source>
        <translation>   Groupe « %1 » : %2</translation>
    </message>
</context>
<context>
    <name>CTransferDlg</name>
    <message>
        <source>Details</source>
        <translation>Détails</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>CUsbDownloadDlg</name>
    <message>
        <source>probe: the receiver answered</source>
        <translation>sondage : le récepteur a répondu</translation>
    </message>
    <message>
        <source>size: %1 bytes in %2, which passed the checks</source>
        <translation>taille : %1 octets dans %2, qui a passé les contrôles</translation>
    </message>
    <message>
        <source>restore: sending the backup %1</source>
        <translation>restauration : envoi de la sauvegarde %1</translation>
    </message>
</context>
<context>
    <name>CUsbUploadDlg</name>
    <message>
        <source>probe: the receiver answered</source>
        <translation>sondage : le récepteur a répondu</translation>
    </message>
    <message>
        <source>size and announcement: %1 bytes, into %2</source>
        <translation>taille et annonce : %1 octets, vers %2</translation>
    </message>
    <message>
        <source>received: %1 of %2 bytes in %3 chunks</source>
        <translation>reçu : %1 octets sur %2 en %3 blocs</translation>
    </message>
    <message>
        <source>removed the part received, %1</source>
        <translation>partie reçue supprimée, %1</translation>
    </message>
    <message>
        <source>Received %1 bytes in %2 s into %3</source>
        <translation>%1 octets reçus en %2 s dans %3</translation>
    </message>
</context>
<context>
    <name>ChannelFindBar</name>
    <message>
        <source>Previous match (Shift+F3)</source>
        <translation>Occurrence précédente (Maj+F3)</translation>
    </message>
    <message>
        <source>Next match (F3)</source>
        <translation>Occurrence suivante (F3)</translation>
    </message>
    <message>
        <source>Name, provider, service id or MHz</source>
        <translation>Nom, fournisseur, identifiant de service ou MHz</translation>
    </message>
    <message>
        <source>Close the find bar (Esc)</source>
        <translation>Fermer la barre de recherche (Échap)</translation>
    </message>
    <message>
        <source>F&amp;ind:</source>
        <translation>Rec&amp;hercher :</translation>
    </message>
    <message>
        <source>Only &amp;matches</source>
        <translation>&amp;Correspondances seulement</translation>
    </message>
    <message>
        <source>TV</source>
        <translation>TV</translation>
    </message>
    <message>
        <source>&amp;Radio</source>
        <translation>&amp;Radio</translation>
    </message>
    <message>
        <source>Any satellite</source>
        <translation>Tous les satellites</translation>
    </message>
    <message>
        <source>Loc&amp;ked</source>
        <translation>Verro&amp;uillées</translation>
    </message>
    <message>
        <source>Hi&amp;dden</source>
        <translation>Ma&amp;squées</translation>
    </message>
    <message>
        <source>&amp;Scrambled</source>
        <translation>&amp;Cryptées</translation>
    </message>
    <message>
        <source>&amp;Not in a favourite group</source>
        <translation>&amp;Dans aucun groupe de favoris</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 sur %2</translation>
    </message>
    <message>
        <source>Reached the end, continued from the top</source>
        <translation>Fin atteinte, reprise depuis le début</translation>
    </message>
    <message>
        <source>Reached the top, continued from the bottom</source>
        <translation>Début atteint, reprise depuis la fin</translation>
    </message>
    <message>
        <source>No match</source>
        <translation>Aucune correspondance</translation>
    </message>
</context>
<context>
    <name>ChannelTools</name>
    <message>
        <source>CSV Files (*.csv);;All Files (*.*)</source>
        <translation>Fichiers CSV (*.csv);;Tous les fichiers (*.*)</translation>
    </message>
    <message>
        <source>&amp;Export Channels to CSV…</source>
        <translation>&amp;Exporter les chaînes en CSV…</translation>
    </message>
    <message>
        <source>&amp;Import Channels from CSV…</source>
        <translation>&amp;Importer les chaînes depuis un CSV…</translation>
    </message>
    <message>
        <source>Apply &amp;Order from Reference File…</source>
        <translation>Appliquer l&apos;&amp;ordre d&apos;un fichier de référence…</translation>
    </message>
    <message>
        <source>Find &amp;Duplicate Channels…</source>
        <translation>Rechercher les chaînes en &amp;double…</translation>
    </message>
    <message>
        <source>The channels could not be read (sqlite3 error %1).</source>
        <translation>Les chaînes n&apos;ont pas pu être lues (erreur sqlite3 %1).</translation>
    </message>
    <message>
        <source>%1 failed (sqlite3 error %2); nothing was changed.</source>
        <translation>%1 a échoué (erreur sqlite3 %2) ; rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>Export Channels to CSV</source>
        <translation>Exporter les chaînes en CSV</translation>
    </message>
    <message>
        <source>%1 could not be written.
%2</source>
        <translation>%1 n&apos;a pas pu être écrit.
%2</translation>
    </message>
    <message>
        <source>%1 channels were written to %2.</source>
        <translation>%1 chaînes ont été écrites dans %2.</translation>
    </message>
    <message>
        <source>Import Channels from CSV</source>
        <translation>Importer les chaînes depuis un CSV</translation>
    </message>
    <message>
        <source>%1 could not be read as a channel list.</source>
        <translation>%1 n&apos;a pas pu être lu comme une liste de chaînes.</translation>
    </message>
    <message>
        <source>%1 was not imported; nothing was changed.
%2</source>
        <translation>%1 n&apos;a pas été importé ; rien n&apos;a été modifié.
%2</translation>
    </message>
    <message>
        <source>%1 changes nothing.</source>
        <translation>%1 ne change rien.</translation>
    </message>
    <message>
        <source>Importing %1 makes these %2 changes:</source>
        <translation>L&apos;importation de %1 apporte ces %2 modifications :</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importer</translation>
    </message>
    <message>
        <source>The import</source>
        <translation>L&apos;importation</translation>
    </message>
    <message>
        <source>Apply Order from Reference File</source>
        <translation>Appliquer l&apos;ordre d&apos;un fichier de référence</translation>
    </message>
    <message>
        <source>Reference Lists (*.dat *.csv);;All Files (*.*)</source>
        <translation>Listes de référence (*.dat *.csv);;Tous les fichiers (*.*)</translation>
    </message>
    <message>
        <source>The reference list could not be read; nothing was changed.
%1</source>
        <translation>La liste de référence n&apos;a pas pu être lue ; rien n&apos;a été modifié.
%1</translation>
    </message>
    <message>
        <source>Matched channels take the order of %1; unmatched ones follow in their current order.</source>
        <translation>Les chaînes appariées prennent l&apos;ordre de %1 ; les autres suivent dans leur ordre actuel.</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Appliquer</translation>
    </message>
    <message>
        <source>Also take the reference&apos;s &amp;favourite groups</source>
        <translation>Reprendre aussi les groupes de &amp;favoris de la référence</translation>
    </message>
    <message>
        <source>Applying the order</source>
        <translation>Application de l&apos;ordre</translation>
    </message>
    <message>
        <source>No duplicate channels were found.</source>
        <translation>Aucune chaîne en double n&apos;a été trouvée.</translation>
    </message>
    <message>
        <source>Find Duplicate Channels</source>
        <translation>Rechercher les chaînes en double</translation>
    </message>
    <message>
        <source>%1 sets of channels are the same channel. Removing keeps the one in [ ] (a favourite, else the lowest number) of each set.</source>
        <translation>%1 ensembles de chaînes sont la même chaîne. La suppression garde celle entre [ ] (un favori, sinon le plus petit numéro) de chaque ensemble.</translation>
    </message>
    <message>
        <source>&amp;Remove Duplicates</source>
        <translation>&amp;Supprimer les doubles</translation>
    </message>
    <message>
        <source>Remove %1 channels with their favourite, schedule and scramble rows?</source>
        <translation>Supprimer %1 chaînes avec leurs entrées de favoris, de programmation et de cryptage ?</translation>
    </message>
    <message>
        <source>Removing the duplicates</source>
        <translation>Suppression des doubles</translation>
    </message>
    <message>
        <source>Import channels from CSV</source>
        <translation>Importer les chaînes depuis un CSV</translation>
    </message>
    <message>
        <source>Apply order from reference file</source>
        <translation>Appliquer l&apos;ordre d&apos;un fichier de référence</translation>
    </message>
    <message>
        <source>Remove duplicate channels</source>
        <translation>Supprimer les chaînes en double</translation>
    </message>
</context>
<context>
    <name>CloseCommand</name>
    <message>
        <source>No Title</source>
        <translation>Sans titre</translation>
    </message>
</context>
<context>
    <name>DbProblems</name>
    <message>
        <source>not enough memory</source>
        <translation>mémoire insuffisante</translation>
    </message>
    <message>
        <source>The list could not be read from the DB: %1.</source>
        <translation>La liste n&apos;a pas pu être lue dans la base : %1.</translation>
    </message>
    <message>
        <source>This row holds a value that the receiver&apos;s format does not allow (%1). It is left unchanged.</source>
        <translation>Cette ligne contient une valeur que le format du récepteur n&apos;accepte pas (%1). Elle reste inchangée.</translation>
    </message>
</context>
<context>
    <name>DialogFields</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>%1 must be a whole number from %2 to %3.</source>
        <translation>%1 doit être un nombre entier de %2 à %3.</translation>
    </message>
    <message>
        <source>%1 must be a number.</source>
        <translation>%1 doit être un nombre.</translation>
    </message>
    <message>
        <source>Enter the data in all fields!</source>
        <translation>Remplissez tous les champs !</translation>
    </message>
    <message>
        <source>Fill the data to the every fields!</source>
        <translation>Remplissez tous les champs !</translation>
    </message>
</context>
<context>
    <name>EditChannelDlg</name>
    <message>
        <source>No channel number below 20000 is free.
The channel is not added.</source>
        <translation>Aucun numéro de chaîne inférieur à 20000 n&apos;est libre.
La chaîne n&apos;est pas ajoutée.</translation>
    </message>
    <message>
        <source>The provider could not be stored in the DB.
Nothing has been changed.</source>
        <translation>Le fournisseur n&apos;a pas pu être enregistré dans la base.
Rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>The channel could not be stored in the DB.
Nothing has been changed.</source>
        <translation>La chaîne n&apos;a pas pu être enregistrée dans la base.
Rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>Edit Channel</source>
        <translation>Modifier la chaîne</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>N&amp;IT Info</source>
        <translation>Infos N&amp;IT</translation>
    </message>
    <message>
        <source>SAT Name :</source>
        <translation>Nom du SAT :</translation>
    </message>
    <message>
        <source>Service</source>
        <translation>Service</translation>
    </message>
    <message>
        <source>CH &amp;Name :</source>
        <translation>&amp;Nom de la chaîne :</translation>
    </message>
    <message>
        <source>CH No :</source>
        <translation>N° de chaîne :</translation>
    </message>
    <message>
        <source>Service I&amp;D :</source>
        <translation>I&amp;D du service :</translation>
    </message>
    <message>
        <source>&amp;Provider :</source>
        <translation>&amp;Fournisseur :</translation>
    </message>
    <message>
        <source>&amp;V-Pid :</source>
        <translation>PID &amp;vidéo :</translation>
    </message>
    <message>
        <source>&amp;A-Pid :</source>
        <translation>PID &amp;audio :</translation>
    </message>
    <message>
        <source>P&amp;CR-PID :</source>
        <translation>PID P&amp;CR :</translation>
    </message>
    <message>
        <source>P&amp;MT-Pid :</source>
        <translation>PID P&amp;MT :</translation>
    </message>
    <message>
        <source>Service ID</source>
        <translation>ID du service</translation>
    </message>
    <message>
        <source>V-Pid</source>
        <translation>PID vidéo</translation>
    </message>
    <message>
        <source>A-Pid</source>
        <translation>PID audio</translation>
    </message>
    <message>
        <source>PCR-PID</source>
        <translation>PID PCR</translation>
    </message>
    <message>
        <source>PMT-Pid</source>
        <translation>PID PMT</translation>
    </message>
    <message>
        <source>Flag</source>
        <translation>Attributs</translation>
    </message>
    <message>
        <source>&amp;Locked(L)</source>
        <translation>&amp;Verrouillée(L)</translation>
    </message>
    <message>
        <source>&amp;Scrambled(S)</source>
        <translation>&amp;Cryptée(S)</translation>
    </message>
    <message>
        <source>&amp;Hide(H)</source>
        <translation>&amp;Masquée(H)</translation>
    </message>
    <message>
        <source>&amp;TV</source>
        <translation>&amp;TV</translation>
    </message>
    <message>
        <source>&amp;Radio</source>
        <translation>&amp;Radio</translation>
    </message>
</context>
<context>
    <name>EditCommands</name>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Ajouter</translation>
    </message>
    <message>
        <source>Edit	Space</source>
        <translation>Modifier	Space</translation>
    </message>
    <message>
        <source>&amp;Edit	Space</source>
        <translation>&amp;Modifier	Space</translation>
    </message>
    <message>
        <source>Delete	Del</source>
        <translation>Supprimer	Del</translation>
    </message>
    <message>
        <source>&amp;Delete	Del</source>
        <translation>&amp;Supprimer	Del</translation>
    </message>
    <message>
        <source>Renumber</source>
        <translation>Renuméroter</translation>
    </message>
</context>
<context>
    <name>EditLnbDlg</name>
    <message>
        <source>Edit LNB</source>
        <translation>Modifier le LNB</translation>
    </message>
    <message>
        <source>NONE</source>
        <translation>AUCUN</translation>
    </message>
    <message>
        <source>mini A</source>
        <translation>mini A</translation>
    </message>
    <message>
        <source>mini B</source>
        <translation>mini B</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>ARRÊT</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>MARCHE</translation>
    </message>
    <message>
        <source>AUTO</source>
        <translation>AUTO</translation>
    </message>
    <message>
        <source>Local Freq</source>
        <translation>Fréq. OL</translation>
    </message>
    <message>
        <source>Satellite :</source>
        <translation>Satellite :</translation>
    </message>
    <message>
        <source>LNB Type :</source>
        <translation>Type de LNB :</translation>
    </message>
    <message>
        <source>Local Freq :</source>
        <translation>Fréq. OL :</translation>
    </message>
    <message>
        <source>DiSEqC 1.0 :</source>
        <translation>DiSEqC 1.0 :</translation>
    </message>
    <message>
        <source>DiSEqC 1.1 :</source>
        <translation>DiSEqC 1.1 :</translation>
    </message>
    <message>
        <source>22 khz :</source>
        <translation>22 kHz :</translation>
    </message>
    <message>
        <source>TP Freq :</source>
        <translation>Fréq. TP :</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Entrez un nombre entier entre %1 et %2.</translation>
    </message>
</context>
<context>
    <name>EditNitDlg</name>
    <message>
        <source>The TP could not be stored in the DB.
Nothing has been changed.</source>
        <translation>Le transpondeur n&apos;a pas pu être enregistré dans la base.
Rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>Edit NIT</source>
        <translation>Modifier le NIT</translation>
    </message>
    <message>
        <source>TP information</source>
        <translation>Informations du transpondeur</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Verticale</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Horizontale</translation>
    </message>
    <message>
        <source>Freq [MHz]</source>
        <translation>Fréq. [MHz]</translation>
    </message>
    <message>
        <source>Symbolrate</source>
        <translation>Débit symbole</translation>
    </message>
    <message>
        <source>Freq [MHz] :</source>
        <translation>Fréq. [MHz] :</translation>
    </message>
    <message>
        <source>Symbolrate :</source>
        <translation>Débit symbole :</translation>
    </message>
    <message>
        <source>Polarity :</source>
        <translation>Polarisation :</translation>
    </message>
    <message>
        <source>FEC :</source>
        <translation>FEC :</translation>
    </message>
</context>
<context>
    <name>EditSatDlg</name>
    <message>
        <source>It&apos;s invalid longitude range.</source>
        <translation>Plage de longitude non valide.</translation>
    </message>
    <message>
        <source>The satellite could not be stored in the DB.
Nothing has been changed.</source>
        <translation>Le satellite n&apos;a pas pu être enregistré dans la base.
Rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>Edit Sattelite</source>
        <translation>Modifier le satellite</translation>
    </message>
    <message>
        <source>EAST</source>
        <translation>EST</translation>
    </message>
    <message>
        <source>WEST</source>
        <translation>OUEST</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Name :</source>
        <translation>Nom :</translation>
    </message>
    <message>
        <source>Position :</source>
        <translation>Position :</translation>
    </message>
</context>
<context>
    <name>EmptyHint</name>
    <message>
        <source>&lt;p&gt;&lt;b&gt;No DB is open.&lt;/b&gt;&lt;/p&gt;&lt;p&gt;Open the receiver&apos;s DB file with File &amp;gt; Open (Ctrl+O), or fetch it from the receiver with File &amp;gt; USB Upload.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Aucune base n&apos;est ouverte.&lt;/b&gt;&lt;/p&gt;&lt;p&gt;Ouvrez le fichier de base du récepteur avec Fichier &amp;gt; Ouvrir (Ctrl+O), ou récupérez-le depuis le récepteur avec Fichier &amp;gt; Upload USB.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Recent files:</source>
        <translation>&lt;p&gt;Fichiers récents :</translation>
    </message>
</context>
<context>
    <name>FavGrpView</name>
    <message>
        <source>Favorites</source>
        <translation>Favoris</translation>
    </message>
    <message>
        <source>Do you want to remove this favorite group from DB?</source>
        <translation>Voulez-vous supprimer ce groupe de favoris de la base ?</translation>
    </message>
    <message>
        <source>Add favourite group</source>
        <translation>Ajouter un groupe de favoris</translation>
    </message>
    <message>
        <source>Rename favourite group</source>
        <translation>Renommer le groupe de favoris</translation>
    </message>
    <message>
        <source>Delete favourite group</source>
        <translation>Supprimer le groupe de favoris</translation>
    </message>
    <message>
        <source>Move favourite group</source>
        <translation>Déplacer le groupe de favoris</translation>
    </message>
</context>
<context>
    <name>FavListView</name>
    <message>
        <source>Service</source>
        <translation>Service</translation>
    </message>
    <message>
        <source>Do you want to remove from favorite list?</source>
        <translation>Voulez-vous retirer ceci de la liste des favoris ?</translation>
    </message>
    <message>
        <source>Do you want to remove this favorite list from DB?</source>
        <translation>Voulez-vous supprimer cette liste de favoris de la base ?</translation>
    </message>
    <message>
        <source>Unvalid data is selected</source>
        <translation>Données sélectionnées non valides</translation>
    </message>
    <message>
        <source>The entries could not be removed from the DB.
Nothing has been removed.</source>
        <translation>Les entrées n&apos;ont pas pu être supprimées de la base.
Rien n&apos;a été supprimé.</translation>
    </message>
    <message>
        <source>Remove favourite entries</source>
        <translation>Retirer des entrées favorites</translation>
    </message>
    <message>
        <source>Move favourite entry</source>
        <translation>Déplacer l&apos;entrée favorite</translation>
    </message>
</context>
<context>
    <name>FileChooser</name>
    <message>
        <source>DB Edit Files (*.dat);;All Files (*)</source>
        <translation>Fichiers de base (*.dat);;Tous les fichiers (*)</translation>
    </message>
</context>
<context>
    <name>FolderPicker</name>
    <message>
        <source>Selecte the folder to save file.</source>
        <translation>Choisissez le dossier où enregistrer le fichier.</translation>
    </message>
</context>
<context>
    <name>LNBView</name>
    <message>
        <source>Seperated</source>
        <translation>Séparé</translation>
    </message>
    <message>
        <source>Loop Thru</source>
        <translation>Boucle (Loop Thru)</translation>
    </message>
    <message>
        <source>Connection :</source>
        <translation>Connexion :</translation>
    </message>
    <message>
        <source>LNB Setting</source>
        <translation>Réglage du LNB</translation>
    </message>
    <message>
        <source>Tuner1</source>
        <translation>Tuner 1</translation>
    </message>
    <message>
        <source>Tuner2</source>
        <translation>Tuner 2</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>ENREGISTRER</translation>
    </message>
    <message>
        <source>Switch Type :</source>
        <translation>Type de commutateur :</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Entrez un nombre entier.</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Entrez un nombre entier entre %1 et %2.</translation>
    </message>
    <message>
        <source>Do you want to remove this item from DB?</source>
        <translation>Voulez-vous supprimer cet élément de la base ?</translation>
    </message>
    <message>
        <source>The LNB settings could not be saved; the stored ones are kept.</source>
        <translation>Les réglages du LNB n&apos;ont pas pu être enregistrés ; les réglages enregistrés sont conservés.</translation>
    </message>
    <message>
        <source>Save LNB settings</source>
        <translation>Enregistrer les réglages LNB</translation>
    </message>
</context>
<context>
    <name>LangTab</name>
    <message>
        <source>Select Languge</source>
        <translation>Choisir la langue</translation>
    </message>
    <message>
        <source>Menu Language </source>
        <translation>Langue des menus </translation>
    </message>
    <message>
        <source>Audio Language </source>
        <translation>Langue audio </translation>
    </message>
    <message>
        <source>Subtitle Language :</source>
        <translation>Langue des sous-titres :</translation>
    </message>
</context>
<context>
    <name>LayoutMemory</name>
    <message>
        <source>Reset Layout</source>
        <translation>Réinitialiser la disposition</translation>
    </message>
</context>
<context>
    <name>ListColumns</name>
    <message>
        <source>No</source>
        <translation>N°</translation>
    </message>
    <message>
        <source>Service</source>
        <translation>Service</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellite</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Fréquence</translation>
    </message>
    <message>
        <source>Symbolrate</source>
        <translation>Débit symbole</translation>
    </message>
    <message>
        <source>Pol</source>
        <translation>Pol</translation>
    </message>
    <message>
        <source>SID</source>
        <translation>SID</translation>
    </message>
    <message>
        <source>V-PID</source>
        <translation>PID V</translation>
    </message>
    <message>
        <source>A-PID</source>
        <translation>PID A</translation>
    </message>
    <message>
        <source>PCR</source>
        <translation>PCR</translation>
    </message>
    <message>
        <source>PMT</source>
        <translation>PMT</translation>
    </message>
    <message>
        <source>Flag</source>
        <translation>Attributs</translation>
    </message>
    <message>
        <source>Provider</source>
        <translation>Fournisseur</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Symbol Rate</source>
        <translation>Débit symbole</translation>
    </message>
    <message>
        <source>Polarity</source>
        <translation>Polarisation</translation>
    </message>
    <message>
        <source>FEC</source>
        <translation>FEC</translation>
    </message>
    <message>
        <source>LNB Type</source>
        <translation>Type de LNB</translation>
    </message>
    <message>
        <source>Local Freq</source>
        <translation>Fréq. OL</translation>
    </message>
    <message>
        <source>DiSEqC</source>
        <translation>DiSEqC</translation>
    </message>
    <message>
        <source>22 khz</source>
        <translation>22 kHz</translation>
    </message>
</context>
<context>
    <name>ListPrintSheet</name>
    <message>
        <source>Channel list</source>
        <translation>Liste des chaînes</translation>
    </message>
    <message>
        <source>Favourite group: %1</source>
        <translation>Groupe de favoris : %1</translation>
    </message>
</context>
<context>
    <name>LockTab</name>
    <message>
        <source>Maturity Control </source>
        <translation>Contrôle parental </translation>
    </message>
    <message>
        <source>Lock Items</source>
        <translation>Éléments verrouillés</translation>
    </message>
    <message>
        <source>System Lock</source>
        <translation>Verrouillage système</translation>
    </message>
    <message>
        <source>Channel Lock</source>
        <translation>Verrouillage des chaînes</translation>
    </message>
    <message>
        <source>Hide Channel</source>
        <translation>Masquer la chaîne</translation>
    </message>
</context>
<context>
    <name>MainFrame</name>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Outils</translation>
    </message>
    <message>
        <source>&amp;Setting</source>
        <translation>&amp;Paramètres</translation>
    </message>
    <message>
        <source>F&amp;ormat</source>
        <translation>F&amp;ormat</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importer</translation>
    </message>
    <message>
        <source>From SatcoDX</source>
        <translation>Depuis SatcoDX</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>&amp;Exporter</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;About Orvane</source>
        <translation>À &amp;propos d&apos;Orvane</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright</source>
        <translation>Afficher les informations du programme, le numéro de version et le copyright</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Langue</translation>
    </message>
    <message>
        <source>&amp;English</source>
        <translation>&amp;English</translation>
    </message>
    <message>
        <source>The interface changes to %1 when Orvane starts again.</source>
        <translation>L&apos;interface passera en %1 au prochain démarrage d&apos;Orvane.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Create a new document</source>
        <translation>Créer un nouveau document</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Ouvrir</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Open an existing document</source>
        <translation>Ouvrir un document existant</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Save the active document</source>
        <translation>Enregistrer le document actif</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Enregistrer &amp;sous...</translation>
    </message>
    <message>
        <source>USB &amp;Upload</source>
        <translation>&amp;Upload USB</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>Upload</translation>
    </message>
    <message>
        <source>Transfer DB file from Settop</source>
        <translation>Transférer le fichier de base depuis le récepteur</translation>
    </message>
    <message>
        <source>USB &amp;Download</source>
        <translation>&amp;Download USB</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Download</translation>
    </message>
    <message>
        <source>Transfer DB file to Settop</source>
        <translation>Transférer le fichier de base vers le récepteur</translation>
    </message>
    <message>
        <source>Restore Receiver &amp;Backup...</source>
        <translation>Restaurer une &amp;sauvegarde du récepteur...</translation>
    </message>
    <message>
        <source>Recent File</source>
        <translation>Fichier récent</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>&amp;Channel Edit</source>
        <translation>&amp;Édition des chaînes</translation>
    </message>
    <message>
        <source>&amp;NIT Edit</source>
        <translation>Édition du &amp;NIT</translation>
    </message>
    <message>
        <source>&amp;LNB Edit</source>
        <translation>Édition du &amp;LNB</translation>
    </message>
    <message>
        <source>Next &amp;Pane</source>
        <translation>Volet &amp;suivant</translation>
    </message>
    <message>
        <source>P&amp;revious Pane</source>
        <translation>Volet &amp;précédent</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>&amp;Rechercher...</translation>
    </message>
    <message>
        <source>Find &amp;Next</source>
        <translation>Rechercher le &amp;suivant</translation>
    </message>
    <message>
        <source>Find &amp;Previous</source>
        <translation>Rechercher le &amp;précédent</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Renumber</source>
        <translation>Renuméroter</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Prêt</translation>
    </message>
    <message>
        <source>Error in load view</source>
        <translation>Erreur au chargement de la vue</translation>
    </message>
</context>
<context>
    <name>MenuBar</name>
    <message>
        <source>Channel Edit</source>
        <translation>Chaînes</translation>
    </message>
    <message>
        <source>NIT Edit</source>
        <translation>NIT</translation>
    </message>
    <message>
        <source>LNB Edit</source>
        <translation>LNB</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Réglages</translation>
    </message>
</context>
<context>
    <name>NITView</name>
    <message>
        <source>Do you want to delete this item from DB?</source>
        <translation>Voulez-vous supprimer cet élément de la base ?</translation>
    </message>
    <message>
        <source>Delete process is failed</source>
        <translation>La suppression a échoué</translation>
    </message>
    <message>
        <source>Click the satellite of the new TP in the left list first.</source>
        <translation>Cliquez d&apos;abord à gauche sur le satellite du nouveau transpondeur.</translation>
    </message>
    <message>
        <source>Add satellite</source>
        <translation>Ajouter un satellite</translation>
    </message>
    <message>
        <source>Edit satellite %1</source>
        <translation>Modifier le satellite %1</translation>
    </message>
    <message>
        <source>Add transponder</source>
        <translation>Ajouter un transpondeur</translation>
    </message>
    <message>
        <source>Edit transponder</source>
        <translation>Modifier le transpondeur</translation>
    </message>
    <message>
        <source>Delete satellites</source>
        <translation>Supprimer des satellites</translation>
    </message>
    <message>
        <source>Delete transponders</source>
        <translation>Supprimer des transpondeurs</translation>
    </message>
    <message>
        <source>Move satellites</source>
        <translation>Déplacer des satellites</translation>
    </message>
</context>
<context>
    <name>OrvaneDoc</name>
    <message>
        <source>Untitled</source>
        <translation>Sans titre</translation>
    </message>
    <message>
        <source>%1 is %2, not a DB file, so it is not opened.</source>
        <translation>%1 est %2, pas un fichier de base, il n&apos;est donc pas ouvert.</translation>
    </message>
    <message>
        <source>%1 was not found.</source>
        <translation>%1 est introuvable.</translation>
    </message>
    <message>
        <source>Another window has %1 open. Close it there before opening it here.</source>
        <translation>Une autre fenêtre a ouvert %1. Fermez-le là-bas avant de l&apos;ouvrir ici.</translation>
    </message>
    <message>
        <source>%1 is not opened: %2 is a link or a file of another user where the editor keeps its own file. Remove it and open the file again.</source>
        <translation>%1 n&apos;est pas ouvert : %2 est un lien ou un fichier d&apos;un autre utilisateur à l&apos;endroit où l&apos;éditeur garde son propre fichier. Supprimez-le et ouvrez de nouveau le fichier.</translation>
    </message>
    <message>
        <source>%1 cannot be read the way SQLite reads it, so it is not opened.
%2</source>
        <translation>%1 ne peut pas être lu comme SQLite le lit, il n&apos;est donc pas ouvert.
%2</translation>
    </message>
    <message>
        <source>The working copy %1 could not be made, so the file is not opened.
%2</source>
        <translation>La copie de travail %1 n&apos;a pas pu être créée, le fichier n&apos;est donc pas ouvert.
%2</translation>
    </message>
    <message>
        <source>File open failed reading DB</source>
        <translation>L&apos;ouverture du fichier a échoué à la lecture de la base</translation>
    </message>
    <message>
        <source>Invalid DB Version file. It must use %1</source>
        <translation>Version de base non valide. Elle doit utiliser %1</translation>
    </message>
    <message>
        <source>The DB does not have the receiver&apos;s table layout, so it is not opened.
%1</source>
        <translation>La base n&apos;a pas la structure de tables du récepteur, elle n&apos;est donc pas ouverte.
%1</translation>
    </message>
    <message>
        <source>Failed to open document.</source>
        <translation>Impossible d&apos;ouvrir le document.</translation>
    </message>
    <message>
        <source>Do you want to save the changed DB contents?</source>
        <translation>Voulez-vous enregistrer les modifications de la base ?</translation>
    </message>
    <message>
        <source>%1 was changed by another program since you opened it. Replace it with your version?
Choose No to keep it and use Save As instead.</source>
        <translation>%1 a été modifié par un autre programme depuis son ouverture. Le remplacer par votre version ?
Choisissez Non pour le garder et utilisez plutôt Enregistrer sous.</translation>
    </message>
    <message>
        <source>Another window has %1 open. Close it there before saving over it.</source>
        <translation>Une autre fenêtre a ouvert %1. Fermez-le là-bas avant d&apos;enregistrer par-dessus.</translation>
    </message>
    <message>
        <source>The DB could not be saved to %1.
%2 is a link or a file of another user where the editor keeps its own file; remove it first.</source>
        <translation>La base n&apos;a pas pu être enregistrée dans %1.
%2 est un lien ou un fichier d&apos;un autre utilisateur à l&apos;endroit où l&apos;éditeur garde son propre fichier ; supprimez-le d&apos;abord.</translation>
    </message>
    <message>
        <source>The DB could not be saved to %1.
It is the working copy itself; please choose another name.</source>
        <translation>La base n&apos;a pas pu être enregistrée dans %1.
C&apos;est la copie de travail elle-même ; choisissez un autre nom.</translation>
    </message>
    <message>
        <source>The DB is in the middle of a change and was not saved. Please try again.</source>
        <translation>La base est en cours de modification et n&apos;a pas été enregistrée. Réessayez.</translation>
    </message>
    <message>
        <source>The DB could not be saved to %1.
The last changes could not be gathered from %2-wal, another program may be reading it (%3).</source>
        <translation>La base n&apos;a pas pu être enregistrée dans %1.
Les dernières modifications n&apos;ont pas pu être reprises de %2-wal ; un autre programme le lit peut-être (%3).</translation>
    </message>
    <message>
        <source>The DB could not be saved to %1.
%2</source>
        <translation>La base n&apos;a pas pu être enregistrée dans %1.
%2</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>%1 is read-only, so the DB cannot be saved there. Please choose another name.</source>
        <translation>%1 est en lecture seule, la base ne peut donc pas y être enregistrée. Choisissez un autre nom.</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Enregistrer sous</translation>
    </message>
</context>
<context>
    <name>OrvaneView</name>
    <message>
        <source>exceed valid number!</source>
        <translation>Numéro non valide !</translation>
    </message>
    <message>
        <source>Do you want to delete this channel from DB?</source>
        <translation>Voulez-vous supprimer cette chaîne de la base ?</translation>
    </message>
    <message>
        <source>You already insert same channel!</source>
        <translation>Cette chaîne est déjà présente !</translation>
    </message>
    <message>
        <source>You already insert &quot;%1&quot; channel!</source>
        <translation>La chaîne « %1 » est déjà présente !</translation>
    </message>
    <message>
        <source>Error! Your job is canceled.</source>
        <translation>Erreur ! L&apos;opération est annulée.</translation>
    </message>
    <message>
        <source>The channels could not be deleted from the DB.
Nothing has been deleted.</source>
        <translation>Les chaînes n&apos;ont pas pu être supprimées de la base.
Rien n&apos;a été supprimé.</translation>
    </message>
    <message>
        <source>The list does not show the channels stored in the DB.
Reopen the file and renumber again.</source>
        <translation>La liste ne montre pas les chaînes enregistrées dans la base.
Rouvrez le fichier et renumérotez de nouveau.</translation>
    </message>
    <message>
        <source>The new numbers could not be stored in the DB.
Nothing has been changed.</source>
        <translation>Les nouveaux numéros n&apos;ont pas pu être enregistrés dans la base.
Rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>Renumber and reordering by dragging are off while a filter hides channels: the order of the hidden channels must not change unseen.</source>
        <translation>La renumérotation et le réordonnancement par glisser sont désactivés tant qu&apos;un filtre masque des chaînes : l&apos;ordre des chaînes masquées ne doit pas changer à votre insu.</translation>
    </message>
    <message>
        <source>Filter on: %1 of %2 channels shown. %3</source>
        <translation>Filtre actif : %1 chaînes affichées sur %2. %3</translation>
    </message>
    <message>
        <source>Add channel</source>
        <translation>Ajouter une chaîne</translation>
    </message>
    <message>
        <source>Edit channel %1</source>
        <translation>Modifier la chaîne %1</translation>
    </message>
    <message numerus="yes">
        <source>Delete %n channel(s)</source>
        <translation>
            <numerusform>Supprimer %n chaîne</numerusform>
            <numerusform>Supprimer %n chaînes</numerusform>
        </translation>
    </message>
    <message>
        <source>Renumber</source>
        <translation>Renuméroter</translation>
    </message>
    <message numerus="yes">
        <source>Add %n channel(s) to a favourite group</source>
        <translation>
            <numerusform>Ajouter %n chaîne à un groupe de favoris</numerusform>
            <numerusform>Ajouter %n chaînes à un groupe de favoris</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Add %n channel(s) to the favourite list</source>
        <translation>
            <numerusform>Ajouter %n chaîne à la liste des favoris</numerusform>
            <numerusform>Ajouter %n chaînes à la liste des favoris</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PageLayout</name>
    <message>
        <source>Page %1 of %2</source>
        <translation>Page %1 sur %2</translation>
    </message>
    <message>
        <source>%1: cannot be written: %2</source>
        <translation>%1 : ne peut pas être écrit : %2</translation>
    </message>
    <message>
        <source>the PDF could not be painted</source>
        <translation>le PDF n&apos;a pas pu être dessiné</translation>
    </message>
    <message>
        <source>%1 channels</source>
        <translation>%1 chaînes</translation>
    </message>
    <message>
        <source>%1 of %2 channels</source>
        <translation>%1 chaînes sur %2</translation>
    </message>
</context>
<context>
    <name>PendingEdits</name>
    <message>
        <source>The changes on this page have not been saved with &quot;SAVE&quot; yet.
Do you want to save them now?</source>
        <translation>Les modifications de cette page n&apos;ont pas encore été enregistrées avec « ENREGISTRER ».
Voulez-vous les enregistrer maintenant ?</translation>
    </message>
</context>
<context>
    <name>ReplaceNamesDlg</name>
    <message>
        <source>&amp;Ignore case</source>
        <translation>&amp;Ignorer la casse</translation>
    </message>
    <message>
        <source>Replace in Names</source>
        <translation>Remplacer dans les noms</translation>
    </message>
    <message>
        <source>Old name</source>
        <translation>Ancien nom</translation>
    </message>
    <message>
        <source>New name</source>
        <translation>Nouveau nom</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>&amp;Rechercher :</translation>
    </message>
    <message>
        <source>&amp;Replace with:</source>
        <translation>R&amp;emplacer par :</translation>
    </message>
    <message>
        <source>over %1 bytes</source>
        <translation>plus de %1 octets</translation>
    </message>
    <message>
        <source>%1 new names are longer than %2 bytes.</source>
        <translation>%1 nouveaux noms dépassent %2 octets.</translation>
    </message>
    <message>
        <source>%1 names change.</source>
        <translation>%1 noms changent.</translation>
    </message>
</context>
<context>
    <name>RestoreBackupDlg</name>
    <message>
        <source>Restore Receiver Backup</source>
        <translation>Restaurer une sauvegarde du récepteur</translation>
    </message>
    <message>
        <source>Backups of the receiver&apos;s list in %1:</source>
        <translation>Sauvegardes de la liste du récepteur dans %1 :</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Chaînes</translation>
    </message>
    <message>
        <source> bytes</source>
        <translation> octets</translation>
    </message>
    <message>
        <source>Send(&amp;S)</source>
        <translation>Envoyer(&amp;S)</translation>
    </message>
    <message>
        <source>Cancel(&amp;C)</source>
        <translation>Annuler(&amp;C)</translation>
    </message>
</context>
<context>
    <name>RowFormat</name>
    <message>
        <source>mini A</source>
        <translation>mini A</translation>
    </message>
    <message>
        <source>mini B</source>
        <translation>mini B</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>ARRÊT</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>MARCHE</translation>
    </message>
    <message>
        <source>AUTO</source>
        <translation>AUTO</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Horizontale</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Verticale</translation>
    </message>
    <message>
        <source>No data</source>
        <translation>Aucune donnée</translation>
    </message>
</context>
<context>
    <name>SelectNitDlg</name>
    <message>
        <source>Select TP Information in the list.</source>
        <translation>Sélectionnez les informations du transpondeur dans la liste.</translation>
    </message>
    <message>
        <source>Select NIT</source>
        <translation>Choisir le NIT</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>&amp;Satellites</source>
        <translation>&amp;Satellites</translation>
    </message>
    <message>
        <source>&amp;TP List</source>
        <translation>Liste des &amp;TP</translation>
    </message>
</context>
<context>
    <name>SettingDlg</name>
    <message>
        <source>The receiver&apos;s settings could not be read from the DB:
%1</source>
        <translation>Les paramètres du récepteur n&apos;ont pas pu être lus dans la base :
%1</translation>
    </message>
    <message>
        <source>The settings could not be stored in the DB:
%1
Nothing has been changed.</source>
        <translation>Les paramètres n&apos;ont pas pu être enregistrés dans la base :
%1
Rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>The default settings could not be copied in the DB:
%1
Nothing has been changed.</source>
        <translation>Les paramètres par défaut n&apos;ont pas pu être copiés dans la base :
%1
Rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>This file has no default settings.
Nothing has been changed.</source>
        <translation>Ce fichier n&apos;a pas de paramètres par défaut.
Rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>The stored settings hold a value that the receiver&apos;s format does not allow (%1 = %2).
They are left unchanged.</source>
        <translation>Les paramètres enregistrés contiennent une valeur que le format du récepteur n&apos;accepte pas (%1 = %2).
Ils restent inchangés.</translation>
    </message>
    <message>
        <source>The default settings hold a value that the receiver&apos;s format does not allow (%1 = %2).
The settings are left unchanged.</source>
        <translation>Les paramètres par défaut contiennent une valeur que le format du récepteur n&apos;accepte pas (%1 = %2).
Les paramètres restent inchangés.</translation>
    </message>
    <message>
        <source>Main Menu Setting</source>
        <translation>Réglages du menu principal</translation>
    </message>
    <message>
        <source>User&apos;s Setting</source>
        <translation>Réglages de l&apos;utilisateur</translation>
    </message>
    <message>
        <source>Lock Control</source>
        <translation>Contrôle du verrouillage</translation>
    </message>
    <message>
        <source>Language </source>
        <translation>Langue </translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Default</source>
        <translation>Par &amp;défaut</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Receiver settings</source>
        <translation>Réglages du récepteur</translation>
    </message>
</context>
<context>
    <name>SettingPage</name>
    <message>
        <source>English</source>
        <translation>Anglais</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Russe</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Français</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italien</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>Néerlandais</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Allemand</translation>
    </message>
    <message>
        <source>Danish</source>
        <translation>Danois</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>Arabe</translation>
    </message>
    <message>
        <source>Greek</source>
        <translation>Grec</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>Turc</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Espagnol</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>Suédois</translation>
    </message>
    <message>
        <source>Norwegian</source>
        <translation>Norvégien</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Désactivé</translation>
    </message>
    <message>
        <source>5 Years</source>
        <translation>5 ans</translation>
    </message>
    <message>
        <source>8 Years</source>
        <translation>8 ans</translation>
    </message>
    <message>
        <source>10 Years</source>
        <translation>10 ans</translation>
    </message>
    <message>
        <source>13 Years</source>
        <translation>13 ans</translation>
    </message>
    <message>
        <source>15 Years</source>
        <translation>15 ans</translation>
    </message>
    <message>
        <source>18 Years</source>
        <translation>18 ans</translation>
    </message>
    <message>
        <source>4 : 3 PS</source>
        <translation>4 : 3 PS</translation>
    </message>
    <message>
        <source>4 : 3 LB</source>
        <translation>4 : 3 LB</translation>
    </message>
    <message>
        <source>2 seconds</source>
        <translation>2 secondes</translation>
    </message>
    <message>
        <source>3 seconds</source>
        <translation>3 secondes</translation>
    </message>
    <message>
        <source>4 seconds</source>
        <translation>4 secondes</translation>
    </message>
    <message>
        <source>5 seconds</source>
        <translation>5 secondes</translation>
    </message>
    <message>
        <source>6 seconds</source>
        <translation>6 secondes</translation>
    </message>
    <message>
        <source>7 seconds</source>
        <translation>7 secondes</translation>
    </message>
    <message>
        <source>8 seconds</source>
        <translation>8 secondes</translation>
    </message>
    <message>
        <source>9 seconds</source>
        <translation>9 secondes</translation>
    </message>
    <message>
        <source>10 seconds</source>
        <translation>10 secondes</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Simple</source>
        <translation>Simple</translation>
    </message>
</context>
<context>
    <name>StatusCounts</name>
    <message>
        <source>Channels in the file, of them TV and radio, and the entries of the current favourite group</source>
        <translation>Chaînes du fichier, dont TV et radio, et les entrées du groupe de favoris actuel</translation>
    </message>
    <message>
        <source>Channels: %1   TV: %2   Radio: %3</source>
        <translation>Chaînes : %1   TV : %2   Radio : %3</translation>
    </message>
</context>
<context>
    <name>TransferDlg</name>
    <message>
        <source>Start(&amp;S)</source>
        <translation>Démarrer(&amp;S)</translation>
    </message>
    <message>
        <source>Cancel(&amp;C)</source>
        <translation>Annuler(&amp;C)</translation>
    </message>
    <message>
        <source>Stop the transfer after the current chunk?</source>
        <translation>Arrêter le transfert après le bloc en cours ?</translation>
    </message>
</context>
<context>
    <name>TransferRuns</name>
    <message>
        <source>File Opened failed!</source>
        <translation>Échec de l&apos;ouverture du fichier !</translation>
    </message>
    <message>
        <source>The download was stopped after %1 of %2 bytes.</source>
        <translation>Le transfert vers le récepteur a été arrêté après %1 octets sur %2.</translation>
    </message>
    <message>
        <source>Reading the file failed! The DB file was not sent completely.</source>
        <translation>La lecture du fichier a échoué ! Le fichier de base n&apos;a pas été envoyé entièrement.</translation>
    </message>
    <message>
        <source>Requesting data transfer on PIPE03 failed!</source>
        <translation>La demande de transfert sur PIPE03 a échoué !</translation>
    </message>
    <message>
        <source>Writing PIPE03 failed!</source>
        <translation>L&apos;écriture sur PIPE03 a échoué !</translation>
    </message>
    <message>
        <source>The upload was stopped after %1 of %2 bytes.</source>
        <translation>Le transfert depuis le récepteur a été arrêté après %1 octets sur %2.</translation>
    </message>
    <message>
        <source>Requesting data transfer on PIPE02 failed!</source>
        <translation>La demande de transfert sur PIPE02 a échoué !</translation>
    </message>
    <message>
        <source>Reading PIPE02 failed!</source>
        <translation>La lecture de PIPE02 a échoué !</translation>
    </message>
    <message>
        <source>Writing %1 failed!</source>
        <translation>L&apos;écriture de %1 a échoué !</translation>
    </message>
    <message>
        <source>Open driver failed! Can&apos;t write to PIPE03.</source>
        <translation>Échec de l&apos;ouverture du pilote ! Impossible d&apos;écrire sur PIPE03.</translation>
    </message>
    <message>
        <source>Open device handle failed! Can&apos;t write to PIPE03.</source>
        <translation>Échec de l&apos;ouverture du périphérique ! Impossible d&apos;écrire sur PIPE03.</translation>
    </message>
    <message>
        <source>The path %1 is too long; it must be shorter than %2 bytes.</source>
        <translation>Le chemin %1 est trop long ; il doit faire moins de %2 octets.</translation>
    </message>
    <message>
        <source>Can&apos;t open file.</source>
        <translation>Impossible d&apos;ouvrir le fichier.</translation>
    </message>
    <message>
        <source>Can not get file size from STB!</source>
        <translation>Impossible d&apos;obtenir la taille du fichier depuis le récepteur !</translation>
    </message>
    <message>
        <source>Open driver failed! Can&apos;t write to PIPE02.</source>
        <translation>Échec de l&apos;ouverture du pilote ! Impossible d&apos;écrire sur PIPE02.</translation>
    </message>
    <message>
        <source>Open device handle failed! Can&apos;t write to PIPE02.</source>
        <translation>Échec de l&apos;ouverture du périphérique ! Impossible d&apos;écrire sur PIPE02.</translation>
    </message>
    <message>
        <source>The DB file was not received completely: %1 of %2 bytes arrived. They are kept in %3, which is not opened.</source>
        <translation>Le fichier de base n&apos;a pas été reçu entièrement : %1 octets sur %2 sont arrivés. Ils sont gardés dans %3, qui n&apos;est pas ouvert.</translation>
    </message>
    <message>
        <source>%1 cannot be written.</source>
        <translation>%1 ne peut pas être écrit.</translation>
    </message>
    <message>
        <source>Nothing was sent; the receiver keeps its list. Check that it is on and connected, then press Start again.</source>
        <translation>Rien n&apos;a été envoyé ; le récepteur garde sa liste. Vérifiez qu&apos;il est allumé et connecté, puis appuyez de nouveau sur Démarrer.</translation>
    </message>
    <message>
        <source>Nothing was sent. Make the folder writable, or clear &quot;Back up the receiver&apos;s list first&quot; to send without a backup.</source>
        <translation>Rien n&apos;a été envoyé. Rendez le dossier accessible en écriture, ou décochez « Sauvegarder d&apos;abord la liste du récepteur » pour envoyer sans sauvegarde.</translation>
    </message>
    <message>
        <source>The backup of the receiver&apos;s list failed. </source>
        <translation>La sauvegarde de la liste du récepteur a échoué. </translation>
    </message>
    <message>
        <source>The receiver may hold an incomplete list. Send the backup (File &gt; Restore Receiver Backup...) or this file again.</source>
        <translation>Le récepteur contient peut-être une liste incomplète. Envoyez la sauvegarde (Fichier &gt; Restaurer une sauvegarde du récepteur...) ou ce fichier de nouveau.</translation>
    </message>
    <message>
        <source>Nothing was sent; the receiver keeps its list. Press Start to try again.</source>
        <translation>Rien n&apos;a été envoyé ; le récepteur garde sa liste. Appuyez sur Démarrer pour réessayer.</translation>
    </message>
    <message>
        <source>The file was sent but not read back. Fetch the receiver&apos;s list with USB Upload to check it.</source>
        <translation>Le fichier a été envoyé mais pas relu. Récupérez la liste du récepteur avec Upload USB pour la vérifier.</translation>
    </message>
    <message>
        <source>not read back</source>
        <translation>non relu</translation>
    </message>
    <message>
        <source>The receiver&apos;s list is not what was sent: %1.</source>
        <translation>La liste du récepteur n&apos;est pas celle qui a été envoyée : %1.</translation>
    </message>
    <message>
        <source>Send the file again; if the difference stays, the receiver changes the list itself.</source>
        <translation>Envoyez de nouveau le fichier ; si la différence persiste, c&apos;est le récepteur qui modifie la liste.</translation>
    </message>
    <message>
        <source>Sent %1 bytes in %2 s</source>
        <translation>%1 octets envoyés en %2 s</translation>
    </message>
    <message>
        <source>; read back: </source>
        <translation> ; relecture : </translation>
    </message>
</context>
<context>
    <name>TransferSteps</name>
    <message>
        <source>USB is not connected. Try again!</source>
        <translation>L&apos;USB n&apos;est pas connecté. Réessayez !</translation>
    </message>
</context>
<context>
    <name>UndoCommands</name>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Annuler %1</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Rétablir %1</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>&quot;%1 %2&quot; could not be done: the DB is busy or cannot be written (SQLite error %3).
The DB is as it was.</source>
        <translation>« %1 %2 » n&apos;a pas pu être effectué : la base est occupée ou ne peut pas être écrite (erreur SQLite %3).
La base est inchangée.</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
</context>
<context>
    <name>UsbDownloadDlg</name>
    <message>
        <source>USB Download</source>
        <translation>Download USB</translation>
    </message>
    <message>
        <source>Download from file(&amp;D)</source>
        <translation>Download depuis un fichier(&amp;D)</translation>
    </message>
    <message>
        <source>Local file</source>
        <translation>Fichier local</translation>
    </message>
    <message>
        <source>File(&amp;F)</source>
        <translation>Fichier(&amp;F)</translation>
    </message>
    <message>
        <source>Back up the receiver&apos;s list first</source>
        <translation>Sauvegarder d&apos;abord la liste du récepteur</translation>
    </message>
    <message>
        <source>Read the list back and compare</source>
        <translation>Relire la liste et comparer</translation>
    </message>
    <message>
        <source>Download Progress</source>
        <translation>Progression du download</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>DB File(*.dat);;All Files(*.*)</source>
        <translation>Fichier de base(*.dat);;Tous les fichiers(*.*)</translation>
    </message>
    <message>
        <source>Please open or select your DB file first.</source>
        <translation>Ouvrez ou choisissez d&apos;abord votre fichier de base.</translation>
    </message>
    <message>
        <source>If you download this DB file, then the existing DB in the STB will be deleted. is deleted. Are you sure to continue?</source>
        <translation>Si vous transférez ce fichier de base vers le récepteur, la base existante du récepteur sera supprimée. Voulez-vous vraiment continuer ?</translation>
    </message>
    <message>
        <source>File Opened failed!</source>
        <translation>Échec de l&apos;ouverture du fichier !</translation>
    </message>
    <message>
        <source>The file %1 is not sent: %2.
Repair it (orvane-cli check names every problem) or choose another file.</source>
        <translation>Le fichier %1 n&apos;est pas envoyé : %2.
Réparez-le (orvane-cli check indique chaque problème) ou choisissez un autre fichier.</translation>
    </message>
    <message>
        <source>The receiver may hold an incomplete list. Send the backup of its list taken before this download (%1)?</source>
        <translation>Le récepteur contient peut-être une liste incomplète. Envoyer la sauvegarde de sa liste prise avant ce download (%1) ?</translation>
    </message>
</context>
<context>
    <name>UsbUploadDlg</name>
    <message>
        <source>USB Upload</source>
        <translation>Upload USB</translation>
    </message>
    <message>
        <source>Local directory</source>
        <translation>Dossier local</translation>
    </message>
    <message>
        <source>Browse(&amp;B)</source>
        <translation>Parcourir(&amp;B)</translation>
    </message>
    <message>
        <source>Open Upload DB file(&amp;O)</source>
        <translation>Ouvrir le fichier de base reçu(&amp;O)</translation>
    </message>
    <message>
        <source>Upload Progress</source>
        <translation>Progression de l&apos;upload</translation>
    </message>
    <message>
        <source>Can not return a path for the selected item!</source>
        <translation>Impossible d&apos;obtenir un chemin pour l&apos;élément sélectionné !</translation>
    </message>
    <message>
        <source>Error Message</source>
        <translation>Message d&apos;erreur</translation>
    </message>
    <message>
        <source>Please select the folder first.</source>
        <translation>Choisissez d&apos;abord le dossier.</translation>
    </message>
    <message>
        <source>%1 is not a folder. Please select a folder.</source>
        <translation>%1 n&apos;est pas un dossier. Choisissez un dossier.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist. Do you want to create it?</source>
        <translation>Le dossier %1 n&apos;existe pas. Voulez-vous le créer ?</translation>
    </message>
    <message>
        <source>The folder %1 could not be created.</source>
        <translation>Le dossier %1 n&apos;a pas pu être créé.</translation>
    </message>
</context>
<context>
    <name>UserTab</name>
    <message>
        <source>Aspect Ratio </source>
        <translation>Format d&apos;image </translation>
    </message>
    <message>
        <source>Banner Time Out (Seconds)</source>
        <translation>Durée d&apos;affichage du bandeau (secondes)</translation>
    </message>
    <message>
        <source>Banner Type</source>
        <translation>Type de bandeau</translation>
    </message>
    <message>
        <source>Subtitle </source>
        <translation>Sous-titres </translation>
    </message>
    <message>
        <source>Timeshift</source>
        <translation>Timeshift</translation>
    </message>
</context>
<context>
    <name>print::CPrintOptionsDlg</name>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Channel list as shown</source>
        <translation>Liste des chaînes telle qu&apos;affichée</translation>
    </message>
    <message>
        <source>Favourite group: %1</source>
        <translation>Groupe de favoris : %1</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Tableau</translation>
    </message>
    <message>
        <source>Channel Card (number and name, large type)</source>
        <translation>Carte des chaînes (numéro et nom, gros caractères)</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Portrait</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Paysage</translation>
    </message>
    <message>
        <source>&amp;Print:</source>
        <translation>&amp;Imprimer :</translation>
    </message>
    <message>
        <source>&amp;Layout:</source>
        <translation>&amp;Mise en page :</translation>
    </message>
    <message>
        <source>&amp;Orientation:</source>
        <translation>&amp;Orientation :</translation>
    </message>
</context>
<context>
    <name>print::CPrintPreviewDlg</name>
    <message>
        <source>Print Preview</source>
        <translation>Aperçu avant impression</translation>
    </message>
    <message>
        <source>&amp;Previous Page</source>
        <translation>Page &amp;précédente</translation>
    </message>
    <message>
        <source>&amp;Next Page</source>
        <translation>Page &amp;suivante</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Imprimer…</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Page %1 sur %2</translation>
    </message>
</context>
</TS>
