<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>glowdeck::AllLightsRow</name>
    <message>
        <source>All Lights</source>
        <translation>Toutes les lumières</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Allumer</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Éteindre</translation>
    </message>
</context>
<context>
    <name>glowdeck::AppearanceSection</name>
    <message>
        <source>Brightness</source>
        <translation>Luminosité</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanc</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>Light appearance</source>
        <translation>Mode d’éclairage</translation>
    </message>
    <message>
        <source>White temperature</source>
        <translation>Température du blanc</translation>
    </message>
    <message>
        <source>Warm</source>
        <translation>Chaud</translation>
    </message>
    <message>
        <source>Cool</source>
        <translation>Froid</translation>
    </message>
    <message>
        <source>More colors…</source>
        <translation>Plus de couleurs…</translation>
    </message>
    <message>
        <source>More Colors…</source>
        <translation>Plus de couleurs…</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rouge</translation>
    </message>
    <message>
        <source>Orange</source>
        <translation>Orange</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Jaune</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Vert</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>Cyan</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Bleu</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Violet</translation>
    </message>
</context>
<context>
    <name>glowdeck::ColorPanelController</name>
    <message>
        <source>Colors</source>
        <translation>Couleurs</translation>
    </message>
</context>
<context>
    <name>glowdeck::CommandLine</name>
    <message>
        <source>Show this help and exit.</source>
        <translation>Afficher cette aide et quitter.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Afficher la version et quitter.</translation>
    </message>
    <message>
        <source>Controls WiZ lights on the local network from the system tray.</source>
        <translation>Contrôle les lumières WiZ du réseau local depuis la zone de notification.</translation>
    </message>
    <message>
        <source>Unknown verb &apos;%1&apos;.</source>
        <translation>Commande inconnue «&#xa0;%1&#xa0;».</translation>
    </message>
</context>
<context>
    <name>glowdeck::EmptyState</name>
    <message>
        <source>No Lights Found</source>
        <translation>Aucune lumière trouvée</translation>
    </message>
    <message>
        <source>Connect to the same Wi-Fi as your WiZ lights to get started.</source>
        <translation>Connectez-vous au même réseau Wi-Fi que vos lumières WiZ pour commencer.</translation>
    </message>
    <message>
        <source>Add Light…</source>
        <translation>Ajouter une lumière…</translation>
    </message>
</context>
<context>
    <name>glowdeck::FormSheet</name>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>glowdeck::LightMatch</name>
    <message>
        <source>There are no saved lights.</source>
        <translation>Aucune lumière n’est enregistrée.</translation>
    </message>
    <message>
        <source>Known lights: %1.</source>
        <extracomment>%1: the lights as &quot;name (address)&quot;, separated by commas</extracomment>
        <translation>Lumières connues : %1.</translation>
    </message>
    <message>
        <source>An empty light name names no light. %1</source>
        <extracomment>%1: the known lights, a sentence of its own</extracomment>
        <translation>Un nom de lumière vide ne désigne aucune lumière. %1</translation>
    </message>
    <message>
        <source>No saved light has the address %1. %2</source>
        <translation>Aucune lumière enregistrée n’a l’adresse %1. %2</translation>
    </message>
    <message>
        <source>No light is called &apos;%1&apos;. %2</source>
        <translation>Aucune lumière ne s’appelle «&#xa0;%1&#xa0;». %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; matches more than one light: %2. Name one of them fully or by its address.</source>
        <translation>«&#xa0;%1&#xa0;» correspond à plusieurs lumières : %2. Nommez-en une en entier ou par son adresse.</translation>
    </message>
</context>
<context>
    <name>glowdeck::LightTile</name>
    <message>
        <source>Not responding</source>
        <translation>Ne répond pas</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Allumée</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Éteinte</translation>
    </message>
</context>
<context>
    <name>glowdeck::MessageText</name>
    <message>
        <source>No bulbs replied. Use the same Wi-Fi, enable WiZ LAN control, or add an IP below.</source>
        <translation>Aucune lumière n’a répondu. Utilisez le même Wi-Fi, activez le contrôle LAN de WiZ ou ajoutez une adresse IP ci-dessous.</translation>
    </message>
    <message>
        <source>Could not open the local network connection.</source>
        <translation>Impossible d’ouvrir la connexion au réseau local.</translation>
    </message>
    <message>
        <source>Could not configure the local network connection.</source>
        <translation>Impossible de configurer la connexion au réseau local.</translation>
    </message>
    <message>
        <source>Could not listen for bulb replies.</source>
        <translation>Impossible d’écouter les réponses des lumières.</translation>
    </message>
    <message>
        <source>Enter a valid bulb IPv4 address.</source>
        <translation>Saisissez une adresse IPv4 valide pour la lumière.</translation>
    </message>
    <message>
        <source>Could not save the list of lights.</source>
        <translation>Impossible d’enregistrer la liste des lumières.</translation>
    </message>
    <message>
        <source>Could not send to %1. Check local network access.</source>
        <translation>Impossible d’envoyer à %1. Vérifiez l’accès au réseau local.</translation>
    </message>
    <message>
        <source>%1 rejected the command. This bulb may not support it.</source>
        <translation>%1 a refusé la commande. Cette lumière ne la prend peut-être pas en charge.</translation>
    </message>
    <message>
        <source>Could not turn on Start at Login: %1.</source>
        <translation>Impossible d’activer «&#xa0;Lancer à la connexion&#xa0;»&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Could not turn off Start at Login: %1.</source>
        <translation>Impossible de désactiver «&#xa0;Lancer à la connexion&#xa0;»&#xa0;: %1.</translation>
    </message>
    <message numerus="yes">
        <source>The list is full at %Ln lights. Forget one to add another.</source>
        <translation>
            <numerusform>La liste est pleine avec %Ln lumière. Oubliez-en une pour en ajouter une autre.</numerusform>
            <numerusform>La liste est pleine avec %Ln lumières. Oubliez-en une pour en ajouter une autre.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>glowdeck::NumberText</name>
    <message>
        <source>%1%</source>
        <extracomment>A percentage of full brightness; a no-break space goes where the language puts a space.</extracomment>
        <translation>%1&#xa0;%</translation>
    </message>
    <message>
        <source>%1 K</source>
        <extracomment>A white temperature in kelvins; a no-break space keeps the number and the unit together.</extracomment>
        <translation>%1&#xa0;K</translation>
    </message>
</context>
<context>
    <name>glowdeck::Panel</name>
    <message>
        <source>Add Light</source>
        <translation>Ajouter une lumière</translation>
    </message>
    <message>
        <source>Enter the light’s IP address from your router or WiZ app.</source>
        <translation>Saisissez l’adresse IP de la lumière indiquée par votre routeur ou l’app WiZ.</translation>
    </message>
    <message>
        <source>IPv4 address</source>
        <translation>Adresse IPv4</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Rename Light</source>
        <translation>Renommer la lumière</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
</context>
<context>
    <name>glowdeck::PanelHeader</name>
    <message>
        <source>Discover lights</source>
        <translation>Rechercher des lumières</translation>
    </message>
    <message>
        <source>More options</source>
        <translation>Plus d’options</translation>
    </message>
    <message>
        <source>Add Light…</source>
        <translation>Ajouter une lumière…</translation>
    </message>
    <message>
        <source>Rename Light…</source>
        <translation>Renommer la lumière…</translation>
    </message>
    <message>
        <source>Forget Light</source>
        <translation>Oublier la lumière</translation>
    </message>
    <message>
        <source>Start at Login</source>
        <translation>Lancer à la connexion</translation>
    </message>
    <message>
        <source>Quit Glowdeck</source>
        <translation>Quitter Glowdeck</translation>
    </message>
</context>
<context>
    <name>glowdeck::PowerButton</name>
    <message>
        <source>Turn off</source>
        <translation>Éteindre</translation>
    </message>
    <message>
        <source>Turn on</source>
        <translation>Allumer</translation>
    </message>
</context>
<context>
    <name>glowdeck::PowerSwitch</name>
    <message>
        <source>Power</source>
        <translation>Alimentation</translation>
    </message>
</context>
<context>
    <name>glowdeck::PresetName</name>
    <message>
        <source>Cozy</source>
        <translation>Douillet</translation>
    </message>
    <message>
        <source>Focus</source>
        <translation>Focus</translation>
    </message>
    <message>
        <source>Night</source>
        <translation>Nuit</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>Crépuscule</translation>
    </message>
    <message>
        <source>Fireplace</source>
        <translation>Cheminée</translation>
    </message>
    <message>
        <source>Ocean</source>
        <translation>Océan</translation>
    </message>
    <message>
        <source>Romance</source>
        <translation>Romance</translation>
    </message>
    <message>
        <source>Forest</source>
        <translation>Forêt</translation>
    </message>
    <message>
        <source>Party</source>
        <translation>Fête</translation>
    </message>
    <message>
        <source>Relax</source>
        <translation>Détente</translation>
    </message>
    <message>
        <source>TV</source>
        <translation>TV</translation>
    </message>
    <message>
        <source>Candle</source>
        <translation>Bougie</translation>
    </message>
</context>
<context>
    <name>glowdeck::PresetsSection</name>
    <message>
        <source>Presets</source>
        <translation>Ambiances</translation>
    </message>
    <message>
        <source>A tunable-white bulb cannot show this preset.</source>
        <translation>Une ampoule à blanc réglable ne peut pas afficher cette ambiance.</translation>
    </message>
    <message>
        <source>A dimmable-white bulb cannot show this preset.</source>
        <translation>Une ampoule blanche à intensité variable ne peut pas afficher cette ambiance.</translation>
    </message>
    <message>
        <source>A plug cannot show presets.</source>
        <translation>Une prise ne peut pas afficher d’ambiances.</translation>
    </message>
    <message>
        <source>A fan light cannot show presets.</source>
        <translation>Un ventilateur lumineux ne peut pas afficher d’ambiances.</translation>
    </message>
</context>
<context>
    <name>glowdeck::Spinner</name>
    <message>
        <source>Scanning</source>
        <translation>Recherche en cours</translation>
    </message>
</context>
<context>
    <name>glowdeck::Verb</name>
    <message>
        <source>Brightness must be 10-100, or +N or -N to step it.</source>
        <translation>La luminosité doit être comprise entre 10 et 100, ou +N ou -N pour la faire varier.</translation>
    </message>
    <message>
        <source>Temperature must be 2200-6500 K.</source>
        <translation>La température doit être comprise entre 2200 et 6500 K.</translation>
    </message>
    <message>
        <source>Colour must be &apos;#rrggbb&apos; or one of: %1.</source>
        <extracomment>%1: the colour names as typed on the command line, separated by spaces</extracomment>
        <translation>La couleur doit être «&#xa0;#rrggbb&#xa0;» ou l’une de : %1.</translation>
    </message>
    <message>
        <source>Preset must be one of: %1.</source>
        <extracomment>%1: the preset names as typed on the command line, separated by spaces</extracomment>
        <translation>L’ambiance doit être l’une de : %1.</translation>
    </message>
    <message>
        <source>Refused &apos;%1&apos;: arguments must be text without markup (&lt;, &gt;, &amp;), control characters or NUL.</source>
        <translation>«&#xa0;%1&#xa0;» refusé : les arguments doivent être du texte sans balisage (&lt;, &gt;, &amp;), caractères de contrôle ni NUL.</translation>
    </message>
    <message>
        <source>No verb given.</source>
        <translation>Aucune commande indiquée.</translation>
    </message>
    <message>
        <source>Unknown verb &apos;%1&apos;.</source>
        <translation>Commande inconnue «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Invalid value &apos;%1&apos;. %2</source>
        <extracomment>%2: what the value must be, a sentence of its own</extracomment>
        <translation>Valeur non valide «&#xa0;%1&#xa0;». %2</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos; for %2.</source>
        <extracomment>%2: the verb as typed (list, toggle, ...)</extracomment>
        <translation>Option inconnue «&#xa0;%1&#xa0;» pour %2.</translation>
    </message>
    <message>
        <source>%1 takes no lights: &apos;%2&apos;.</source>
        <extracomment>%1: the verb as typed (list or panel)</extracomment>
        <translation>%1 ne prend pas de lumière : «&#xa0;%2&#xa0;».</translation>
    </message>
    <message>
        <source>%1 needs a value. %2</source>
        <extracomment>%1: the verb as typed (brightness, color, ...); %2: what the value must be</extracomment>
        <translation>%1 demande une valeur. %2</translation>
    </message>
    <message>
        <source>Name lights or give --all, not both.</source>
        <translation>Nommez des lumières ou indiquez --all, pas les deux.</translation>
    </message>
    <message>
        <source>
Verbs (for keyboard shortcuts and scripts):
  list [--json]                       The lights: name, address, reachable, on,
                                      brightness, mode.
  list --names                        The saved lights&apos; names, asking no light.
  on|off|toggle [LIGHT...|--all]      Switch lights; toggle follows the first one.
  brightness 10-100|+N|-N [LIGHT...|--all]
  temperature 2200-6500 [LIGHT...|--all]
  color &apos;#rrggbb&apos;|NAME [LIGHT...|--all]
                                      NAME: Red, Orange, Yellow, Green, Cyan, Blue,
                                      Purple.
  preset NAME [LIGHT...|--all]        A preset scene, such as Cozy or Focus.
  panel                               Show or hide the panel.

LIGHT is a saved light&apos;s name (exact, any case, or a unique beginning) or its
address; without one a verb acts on the light selected in the panel. A running
Glowdeck does the work; without one the verb works on its own, with the saved
lights (the panel&apos;s list; the first of them stands for the selected one),
sending only to the lights it names, never a broadcast. It waits up to
1 s for the lights&apos; answers and exits 0 when all answered, 1 naming those that
did not answer or rejected the command, 2 for a usage error.
</source>
        <translation>
Commandes (pour les raccourcis clavier et les scripts) :
  list [--json]                       Les lumières : nom, adresse, joignable,
                                      allumée, luminosité, mode.
  list --names                        Les noms des lumières enregistrées, sans
                                      requête.
  on|off|toggle [LIGHT...|--all]      Commute les lumières ; toggle suit la
                                      première.
  brightness 10-100|+N|-N [LIGHT...|--all]
  temperature 2200-6500 [LIGHT...|--all]
  color &apos;#rrggbb&apos;|NAME [LIGHT...|--all]
                                      NAME : Red, Orange, Yellow, Green, Cyan,
                                      Blue, Purple.
  preset NAME [LIGHT...|--all]        Une ambiance, comme Cozy ou Focus.
  panel                               Affiche ou masque le panneau.

LIGHT est le nom d’une lumière enregistrée (exact, sans tenir compte de la
casse, ou un début unique) ou son adresse ; sans lui, une commande agit sur la
lumière choisie dans le panneau. Un Glowdeck en cours d’exécution fait le
travail ; sinon la commande agit seule, avec les lumières enregistrées (la liste
du panneau ; la première tient lieu de lumière choisie), en n’envoyant qu’aux
lumières qu’elle nomme, jamais en diffusion. Elle attend jusqu’à 1 s les
réponses des lumières et se termine par 0 si toutes ont répondu, par 1 en
nommant celles qui n’ont pas répondu ou ont refusé la commande, par 2 pour une
erreur d’utilisation.
</translation>
    </message>
</context>
<context>
    <name>glowdeck::VerbCommand</name>
    <message>
        <source>The running Glowdeck did not answer: %1</source>
        <extracomment>%1: the error the session bus reports, in English</extracomment>
        <translation>Le Glowdeck en cours d’exécution n’a pas répondu : %1</translation>
    </message>
    <message>
        <source>Could not open the local network connection.</source>
        <translation>Impossible d’ouvrir la connexion au réseau local.</translation>
    </message>
    <message>
        <source>The lights did not answer in time.</source>
        <translation>Les lumières n’ont pas répondu à temps.</translation>
    </message>
    <message>
        <source>Run &apos;glowdeck --help&apos; for the verbs.</source>
        <translation>Lancez «&#xa0;glowdeck --help&#xa0;» pour voir les commandes.</translation>
    </message>
</context>
<context>
    <name>glowdeck::VerbRunner</name>
    <message>
        <source>%1 did not answer.</source>
        <translation>%1 n’a pas répondu.</translation>
    </message>
    <message>
        <source>%1 cannot show a colour.</source>
        <translation>%1 ne peut pas afficher de couleur.</translation>
    </message>
    <message>
        <source>%1 cannot show a white temperature.</source>
        <translation>%1 ne peut pas afficher de température de blanc.</translation>
    </message>
    <message>
        <source>%1 cannot show a brightness.</source>
        <translation>%1 ne peut pas afficher de luminosité.</translation>
    </message>
    <message>
        <source>%1 cannot show the preset %2.</source>
        <extracomment>%2: the preset&apos;s name as typed on the command line (Cozy, Focus, ...)</extracomment>
        <translation>%1 ne peut pas afficher l’ambiance %2.</translation>
    </message>
    <message>
        <source>%1 cannot show this.</source>
        <translation>%1 ne peut pas afficher cela.</translation>
    </message>
    <message>
        <source>%1: off</source>
        <extracomment>A light&apos;s state: %1 the light as &quot;name (address)&quot;</extracomment>
        <translation>%1 : éteinte</translation>
    </message>
    <message>
        <source>%1: on, %2 %, colour %3</source>
        <extracomment>%2: the brightness in percent; %3: the colour as #rrggbb</extracomment>
        <translation>%1 : allumée, %2&#xa0;%, couleur %3</translation>
    </message>
    <message>
        <source>%1: on, %2 %, preset %3</source>
        <extracomment>%2: the brightness in percent; %3: the preset&apos;s name (Cozy, Focus, ...)</extracomment>
        <translation>%1 : allumée, %2&#xa0;%, ambiance %3</translation>
    </message>
    <message>
        <source>%1: on, %2 %, preset scene %3</source>
        <extracomment>%2: the brightness in percent; %3: the number of a scene Glowdeck has no name for</extracomment>
        <translation>%1 : allumée, %2&#xa0;%, ambiance n°&#xa0;%3</translation>
    </message>
    <message>
        <source>%1: on, %2 %, %3 K</source>
        <extracomment>%2: the brightness in percent; %3: the white temperature in kelvin</extracomment>
        <translation>%1 : allumée, %2&#xa0;%, %3 K</translation>
    </message>
    <message>
        <source>There is no panel to show here.</source>
        <translation>Il n’y a pas de panneau à afficher ici.</translation>
    </message>
    <message>
        <source>There are no saved lights.</source>
        <translation>Aucune lumière n’est enregistrée.</translation>
    </message>
    <message>
        <source>No light is selected: name one, or give --all.</source>
        <translation>Aucune lumière n’est choisie : nommez-en une ou indiquez --all.</translation>
    </message>
    <message>
        <source>%1: not answering</source>
        <translation>%1 : ne répond pas</translation>
    </message>
    <message>
        <source>%1 rejected the command.</source>
        <translation>%1 a refusé la commande.</translation>
    </message>
</context>
<context>
    <name>glowdeck::main</name>
    <message>
        <source>Glowdeck already runs on this display; its panel opens there.</source>
        <translation>Glowdeck est déjà lancé sur cet écran&#xa0;; son panneau s’y ouvre.</translation>
    </message>
</context>
</TS>
