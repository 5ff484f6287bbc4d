<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About Pebblix</source>
        <translation>À propos de Pebblix</translation>
    </message>
    <message>
        <source>a ball puzzle game</source>
        <translation>un jeu de réflexion avec des billes</translation>
    </message>
    <message>
        <source>version %1</source>
        <translation>version %1</translation>
    </message>
</context>
<context>
    <name>BoardPainter</name>
    <message>
        <source>Score %1</source>
        <translation>Score %1</translation>
    </message>
    <message>
        <source>NumOfEmpty %1</source>
        <translation>Vides %1</translation>
    </message>
</context>
<context>
    <name>BoardWords</name>
    <message>
        <source>Board</source>
        <translation>Plateau</translation>
    </message>
    <message>
        <source>column %1</source>
        <translation>colonne %1</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>ligne %1</translation>
    </message>
    <message>
        <source>light blue</source>
        <translation>bleu clair</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>jaune</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>bleu</translation>
    </message>
    <message>
        <source>red</source>
        <translation>rouge</translation>
    </message>
    <message>
        <source>green</source>
        <translation>vert</translation>
    </message>
    <message>
        <source>pink</source>
        <translation>rose</translation>
    </message>
    <message>
        <source>purple</source>
        <translation>violet</translation>
    </message>
    <message>
        <source>brown</source>
        <translation>marron</translation>
    </message>
    <message>
        <source>light blue ball</source>
        <translation>bille bleu clair</translation>
    </message>
    <message>
        <source>yellow ball</source>
        <translation>bille jaune</translation>
    </message>
    <message>
        <source>blue ball</source>
        <translation>bille bleue</translation>
    </message>
    <message>
        <source>red ball</source>
        <translation>bille rouge</translation>
    </message>
    <message>
        <source>green ball</source>
        <translation>bille verte</translation>
    </message>
    <message>
        <source>pink ball</source>
        <translation>bille rose</translation>
    </message>
    <message>
        <source>purple ball</source>
        <translation>bille violette</translation>
    </message>
    <message>
        <source>brown ball</source>
        <translation>bille marron</translation>
    </message>
    <message>
        <source>row %1, column %2</source>
        <translation>ligne %1, colonne %2</translation>
    </message>
    <message>
        <source>empty, %1</source>
        <translation>vide, %1</translation>
    </message>
    <message>
        <source>%1, selected, %2</source>
        <translation>%1, choisie, %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
</context>
<context>
    <name>ChampionDialog</name>
    <message>
        <source>High Score</source>
        <translation>Meilleur score</translation>
    </message>
    <message>
        <source>Yor are the champion!</source>
        <translation>Vous êtes le champion&#xa0;!</translation>
    </message>
    <message>
        <source>Enter your name</source>
        <translation>Entrez votre nom</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Pebblix, a ball puzzle game: line up balls of one colour to score.</source>
        <translation>Pebblix, un jeu de réflexion avec des billes&#xa0;:
alignez des billes d’une même couleur pour marquer des points.</translation>
    </message>
    <message>
        <source>Start with the random seed &lt;N&gt; (a whole number).</source>
        <translation>Démarrer avec la graine aléatoire &lt;N&gt; (un nombre entier).</translation>
    </message>
    <message>
        <source>Show the board at &lt;N&gt; times its size (1 to %1).</source>
        <translation>Afficher le plateau à &lt;N&gt; fois sa taille (de 1 à %1).</translation>
    </message>
    <message>
        <source>Show the help page &lt;URL&gt;.</source>
        <translation>Afficher la page d’aide &lt;URL&gt;.</translation>
    </message>
    <message>
        <source>Unexpected argument: %1</source>
        <translation>Argument inattendu&#xa0;: %1</translation>
    </message>
    <message>
        <source>--seed needs a whole number from 0 to 4294967295.</source>
        <translation>--seed attend un nombre entier de 0 à 4294967295.</translation>
    </message>
    <message>
        <source>--scale needs a whole number from 1 to %1.</source>
        <translation>--scale attend un nombre entier de 1 à %1.</translation>
    </message>
    <message>
        <source>Print this help and exit.</source>
        <translation>Afficher cette aide et quitter.</translation>
    </message>
    <message>
        <source>Print the version and exit.</source>
        <translation>Afficher la version et quitter.</translation>
    </message>
    <message>
        <source>Usage: %1 [options]</source>
        <translation>Utilisation&#xa0;: %1 [options]</translation>
    </message>
    <message>
        <source>Cannot show the game: neither DISPLAY nor WAYLAND_DISPLAY is set.</source>
        <translation>Impossible d’afficher le jeu&#xa0;: ni DISPLAY ni WAYLAND_DISPLAY n’est défini.</translation>
    </message>
    <message>
        <source>Cannot show the game: the display %1 cannot be opened.</source>
        <translation>Impossible d’afficher le jeu&#xa0;: l’écran «&#xa0;%1&#xa0;» ne peut pas être ouvert.</translation>
    </message>
</context>
<context>
    <name>GameNarrator</name>
    <message>
        <source>%1 picked</source>
        <translation>%1 choisie</translation>
    </message>
    <message>
        <source>No free path there</source>
        <translation>Aucun chemin libre jusque-là</translation>
    </message>
    <message>
        <source>%1 arrives at %2</source>
        <translation>%1 arrive en %2</translation>
    </message>
    <message>
        <source>Figure removed, %1 points, score %2</source>
        <translation>Figure retirée, %1 points, score %2</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1 en %2</translation>
    </message>
    <message>
        <source>New balls: %1</source>
        <translation>Nouvelles billes : %1</translation>
    </message>
    <message>
        <source>Game over, score %1</source>
        <translation>Partie terminée, score %1</translation>
    </message>
    <message>
        <source>%1, score %2</source>
        <translation>%1, score %2</translation>
    </message>
    <message>
        <source>The next balls are hidden</source>
        <translation>Les prochaines billes sont masquées</translation>
    </message>
    <message>
        <source>Next balls: %1</source>
        <translation>Prochaines billes : %1</translation>
    </message>
</context>
<context>
    <name>HelpViewerWindow</name>
    <message>
        <source>%1 Help</source>
        <translation>Aide de %1</translation>
    </message>
</context>
<context>
    <name>HighScoresDialog</name>
    <message>
        <source>High Scores</source>
        <translation>Meilleurs scores</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>The entry is no longer in the table; the name was not saved.</source>
        <translation>L’entrée n’est plus dans le tableau&#xa0;; le nom n’a pas été enregistré.</translation>
    </message>
</context>
<context>
    <name>MainFrame</name>
    <message>
        <source>New game</source>
        <translation>Nouvelle partie</translation>
    </message>
    <message>
        <source>Start a new game?</source>
        <translation>Commencer une nouvelle partie&#xa0;?</translation>
    </message>
</context>
<context>
    <name>OptionsDialog</name>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Game Options</source>
        <translation>Options de jeu</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Lines</source>
        <translation>Lignes</translation>
    </message>
    <message>
        <source>Squares</source>
        <translation>Carrés</translation>
    </message>
    <message>
        <source>Blocks</source>
        <translation>Blocs</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>Nombre de couleurs</translation>
    </message>
    <message>
        <source>Show Next</source>
        <translation>Afficher les billes suivantes</translation>
    </message>
    <message>
        <source>Interface</source>
        <translation>Interface</translation>
    </message>
    <message>
        <source>Animation</source>
        <translation>Animation</translation>
    </message>
    <message>
        <source>Sound Effects</source>
        <translation>Effets sonores</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Options:</source>
        <translation>Options&#xa0;:</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Option inconnue «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Options inconnues&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Valeur manquante après «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Valeur inattendue après «&#xa0;%1&#xa0;».</translation>
    </message>
</context>
<context>
    <name>SaveFailureMessage</name>
    <message>
        <source>There is no space left on the disk.</source>
        <translation>Il n’y a plus de place sur le disque.</translation>
    </message>
    <message>
        <source>The file or its folder is write-protected.</source>
        <translation>Le fichier ou son dossier est protégé en écriture.</translation>
    </message>
    <message>
        <source>Another program is using the file.</source>
        <translation>Un autre programme utilise le fichier.</translation>
    </message>
    <message>
        <source>The file could not be written.</source>
        <translation>Le fichier n’a pas pu être écrit.</translation>
    </message>
    <message>
        <source>The high score was not saved.</source>
        <translation>Le meilleur score n’a pas été enregistré.</translation>
    </message>
    <message>
        <source>The name was not saved.</source>
        <translation>Le nom n’a pas été enregistré.</translation>
    </message>
    <message>
        <source>The options were not saved.</source>
        <translation>Les options n’ont pas été enregistrées.</translation>
    </message>
    <message>
        <source>File: %1</source>
        <translation>Fichier&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>ShownName</name>
    <message>
        <source>Anonymous</source>
        <translation>Anonyme</translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>Pebblix</source>
        <translation>Pebblix</translation>
    </message>
    <message>
        <source>Show or Hide Done Button</source>
        <translation>Afficher ou masquer le bouton «&#xa0;Terminé&#xa0;»</translation>
    </message>
    <message>
        <source>Lines</source>
        <translation>Lignes</translation>
    </message>
    <message>
        <source>Squares</source>
        <translation>Carrés</translation>
    </message>
    <message>
        <source>Blocks</source>
        <translation>Blocs</translation>
    </message>
</context>
<context>
    <name>WindowCommandBar</name>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Jeu</translation>
    </message>
    <message>
        <source>New Lines</source>
        <translation>Nouvelle partie&#xa0;: Lignes</translation>
    </message>
    <message>
        <source>New Squares</source>
        <translation>Nouvelle partie&#xa0;: Carrés</translation>
    </message>
    <message>
        <source>New Blocks</source>
        <translation>Nouvelle partie&#xa0;: Blocs</translation>
    </message>
    <message>
        <source>Options...</source>
        <translation>Options...</translation>
    </message>
    <message>
        <source>High Scores...</source>
        <translation>Meilleurs scores...</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>À &amp;propos...</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nouvelle partie</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Jeu</translation>
    </message>
    <message>
        <source>More buttons</source>
        <translation>Autres boutons</translation>
    </message>
</context>
</TS>
