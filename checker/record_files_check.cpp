#include "checker/record_files_check.h"

#include "menu/description.h"
#include "menu/file_source.h"
#include "menu/menu_error.h"
#include "menu/menu_messages.h"
#include "menu/pictures/bitmap_layout.h"
#include "menu/pictures/icon_directory.h"
#include "menu/pictures/metafile_layout.h"
#include "menu/pictures/picture_check.h"
#include "menu/pictures/picture_kind.h"

namespace pandor::check {
namespace {

// The lines of the fields within a record, as finding lines count.
constexpr int Offset(RecordField field) { return static_cast<int>(FieldOffset(field)); }
constexpr int kRunFileOffset = Offset(RecordField::kRunFile);
constexpr int kInstalledNameOffset = Offset(RecordField::kInstalledName);
constexpr int kPictureOffset = Offset(RecordField::kPicture);
constexpr int kDescriptionOffset = Offset(RecordField::kDescription);

bool IsAbsolute(const std::string& name) {
  return (!name.empty() && (name[0] == '\\' || name[0] == '/')) || (name.size() >= 2 && name[1] == ':');
}

// The reference's section on the text a picture is reported with.
const char* PictureMessageSection(const std::string& text) {
  if (text == "Stream-Read-Fehler") return "msg-stream-read";
  if (text == InvalidBitmapError().what()) return "msg-bitmap-invalid";
  if (text == InvalidIconError().what()) return "msg-invalid-icon";
  if (text == InvalidMetafileError().what()) return "msg-invalid-metafile";
  return "msg-jpeg-error";
}

}  // namespace

void RecordFilesChecker::Check(const ProgramEntry& program, const RecordPlace& place) {
  CheckRunFile(program, place);
  CheckInstalledName(program, place);
  CheckDescription(program, place);
  CheckPicture(program, place);
}

void RecordFilesChecker::CheckName(const std::string& name, const std::string& menuPath, const RecordPlace& place,
                                   int offset, const char* what) {
  const int line = place.firstLine + offset;
  if (IsAbsolute(name)) {
    context_.findings.Warning(place.file, line,
                              std::string(what) + " " + Quoted(name) +
                                  " ist ein absoluter Pfad: das Menü hängt ihn an den Ordner des Mediums an und "
                                  "findet ihn so nicht oder nur zufällig. Schreiben Sie den Pfad relativ.",
                              "paths");
    return;
  }
  const FileLookup lookup = context_.files.Lookup(menuPath);
  if (lookup.leavesMedium) {
    context_.findings.Warning(place.file, line,
                              std::string(what) + " " + Quoted(name) +
                                  " führt mit „..\\“ aus dem Medium hinaus: auf einer CD bleibt das beim Stammordner "
                                  "stehen, auf einem USB-Stick in einem Ordner nicht.",
                              "paths");
  }
  if (lookup.found && !lookup.exactCase) {
    context_.findings.Warning(place.file, line,
                              std::string(what) + " " + Quoted(name) + " heißt auf dem Medium „" + lookup.relative +
                                  "“: Windows und eine CD finden sie trotzdem, eine Kopie auf einem Datenträger, "
                                  "der Groß- und Kleinschreibung unterscheidet, nicht.",
                              "paths");
  }
}

void RecordFilesChecker::CheckRunFile(const ProgramEntry& program, const RecordPlace& place) {
  const int line = place.firstLine + kRunFileOffset;
  const std::string name = Quoted(program.displayName);
  if (program.runFile.empty()) {
    context_.findings.Warning(place.file, line,
                              "Das Programm " + name +
                                  " hat keine Startdatei: ohne installierte Kopie öffnet ein Doppelklick den "
                                  "Stammordner des Mediums.",
                              "filelist-dat");
    return;
  }
  const std::string path = MenuFilePath(context_.folder.appDir, program.runFile);
  CheckName(program.runFile, path, place, kRunFileOffset, "Die Startdatei");
  if (FileExists(context_.files, path)) return;
  const FileLookup lookup = context_.files.Lookup(path);
  if (lookup.found && lookup.isFolder) {
    context_.findings.Warning(place.file, line,
                              "Die Startdatei " + Quoted(program.runFile) + " von " + name +
                                  " ist ein Ordner: ein Doppelklick öffnet ihn im Explorer.",
                              "filelist-dat");
    return;
  }
  context_.findings.Warning(place.file, line,
                            "Die Startdatei " + Quoted(program.runFile) + " von " + name +
                                " fehlt auf dem Medium: ohne installierte Kopie meldet ein Doppelklick einen Fehler.",
                            "msg-file-not-found", std::string(kStartFailedText));
}

void RecordFilesChecker::CheckInstalledName(const ProgramEntry& program, const RecordPlace& place) {
  if (program.installedName.find_first_of("\\/") == std::string::npos) return;
  context_.findings.Warning(place.file, place.firstLine + kInstalledNameOffset,
                            "Der installierte Name " + Quoted(program.installedName) +
                                " enthält einen Ordner: Windows meldet installierte Programme unter ihrem Dateinamen "
                                "allein, so findet das Menü keine installierte Kopie.",
                            "paths");
}

void RecordFilesChecker::CheckDescription(const ProgramEntry& program, const RecordPlace& place) {
  if (program.description.empty()) return;
  const int line = place.firstLine + kDescriptionOffset;
  const std::string path = MenuFilePath(context_.folder.menuDir, program.description);
  CheckName(program.description, path, place, kDescriptionOffset, "Die Beschreibung");
  if (!FileExists(context_.files, path)) {
    context_.findings.Warning(place.file, line,
                              "Die Beschreibung " + Quoted(program.description) + " von " +
                                  Quoted(program.displayName) + " fehlt im Menüordner.",
                              "msg-no-description", std::string(kNoDescriptionText));
    return;
  }
  const std::string file = RelativeName(context_, path);
  if (!checkedFiles_.insert(file).second) return;
  const std::optional<std::string> bytes = ReadOrReport(
      context_, path, file, "ein Klick auf " + Quoted(program.displayName) + " meldet es statt der Beschreibung.");
  if (bytes) CheckTextFile(context_, file, *bytes, false);
}

void RecordFilesChecker::CheckPicture(const ProgramEntry& program, const RecordPlace& place) {
  if (program.picture.empty()) return;
  const int line = place.firstLine + kPictureOffset;
  const std::string path = MenuFilePath(context_.folder.menuDir, program.picture);
  CheckName(program.picture, path, place, kPictureOffset, "Das Bild");
  if (!FileExists(context_.files, path)) {
    context_.findings.Warning(place.file, line,
                              "Das Bild " + Quoted(program.picture) + " von " + Quoted(program.displayName) +
                                  " fehlt im Menüordner: das Menü bietet keinen Reiter „Bild“ an.",
                              "pictures");
    return;
  }
  PictureKind kind;
  try {
    kind = PictureKindOf(path);
  } catch (const MenuError& error) {
    context_.findings.Error(place.file, line,
                            "Das Bild " + Quoted(program.picture) +
                                " hat keine Endung, die das Menü kennt (bmp, ico, wmf, emf, jpg, jpeg): ein Klick "
                                "auf " + Quoted(program.displayName) + " meldet es.",
                            "msg-unknown-extension", ErrorBoxText(error.what()));
    return;
  }
  const std::string file = RelativeName(context_, path);
  if (!checkedFiles_.insert(file).second) return;
  ++context_.facts.picturesByFormat[PictureKindName(kind)];
  const std::optional<std::string> bytes =
      ReadOrReport(context_, path, file, "ein Klick auf " + Quoted(program.displayName) + " meldet es.");
  if (!bytes) return;
  const PictureReport report = pandor::CheckPicture(kind, *bytes);
  switch (report.when) {
    case PictureReport::When::kNever:
      if (report.damaged) {
        context_.findings.Warning(file, 0,
                                  "Die Bilddaten enden zu früh oder sind beschädigt: das Menü zeigt das Bild ohne "
                                  "Meldung, aber nur, soweit es sich lesen ließ.",
                                  "picture-jpeg");
      }
      return;
    case PictureReport::When::kWhenClicked:
      context_.findings.Error(file, 0,
                              "Das Bild ist beschädigt oder kein " + std::string(PictureKindName(kind)) +
                                  "-Bild: ein Klick auf " + Quoted(program.displayName) +
                                  " meldet es, der Reiter „Bild“ bleibt verborgen.",
                              PictureMessageSection(report.text), ErrorBoxText(report.text));
      return;
    case PictureReport::When::kWhenFirstShown:
      context_.findings.Error(file, 0,
                              "Die Bilddaten sind beschädigt: das Menü meldet es beim ersten Öffnen des Reiters "
                              "„Bild“ und zeigt das Bild nur, soweit es sich lesen ließ.",
                              "msg-jpeg-error", ErrorBoxText(report.text));
      return;
  }
}

}  // namespace pandor::check
