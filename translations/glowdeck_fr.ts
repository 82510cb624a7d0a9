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
    <name>glowdeck::main</name>
    <message>
        <source>Glowdeck already runs on this display; its panel opens there.</source>
        <translation>Glowdeck est déjà lancé sur cet écran&#xa0;; son panneau s’y ouvre.</translation>
    </message>
</context>
</TS>
