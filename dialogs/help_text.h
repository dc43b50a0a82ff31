#pragma once
// The help window's text: how to use the menu, one line per literal (UTF-8).
// Several lines end in a blank; the window joins them with CR LF and lets the
// memo wrap what is wider than itself.

namespace pandor {

constexpr const char* kHelpLines[] = {
    "Bewegen Sie Ihre Maus über die Menüeinträge. Falls Sie Informationen zu einem ",
    "aufgelisteten Programm haben möchten, klicken Sie den Namen des Programms einmal an. ",
    "Falls ein Vorschaubild existiert, können Sie es durch Anklicken vergrößern. Sie können Infos ",
    "zu Programmen nur abfragen, wenn der Ersteller dieses Menüs dies vorgesehen hat. Um ein ",
    "aufgelistetes Programm zu installieren/starten, doppelklicken Sie den Namen des Programms. ",
    "Alternativ können Sie den Namen des Programms einmal anklicken und die Return-Taste ",
    "betätigen.",
    "",
    "Falls der Ersteller dieses Menüs seine Programme zu Gruppen zusammengefast hat, können ",
    "Sie eine Programmgruppe durch einmaliges Anklicken der Gruppe öffnen. Zum ",
    "Starten/Installieren von Programmen, die sich in Gruppen befinden, gehen Sie wie oben ",
    "beschrieben vor.",
    "",
    "Um dieses Programm zu beenden, klicken Sie \"Ende\" an. Um das Infofenster ein- oder ",
    "auszublenden, klicken Sie das \"<<\" oder das \">>\" Symbol an. Wenn Sie diesen Datenträger ",
    "durchsuchen möchten, brauchen Sie bloß \"Suchen\" anzuklicken.",
    "",
    "Falls der Text im Infofenster länger als das Infofenster ist, können Sie mit der \"m\"-Taste ",
    "herunter- und mit der \"h\"-Taste hochblättern.",
    "",
    "Möchten Sie selbst solch ein Autostart-Menü erstellen? Kein Problem! Besorgen Sie sich ",
    "unser Pandor 6 oder Pandor 7 Programmpaket:",
};

}  // namespace pandor
