#include "command/app_state.h"

#include "platform/text.h"

void ApplyIdentifiedDisc(const IdentifiedDisc& identified, TavAppState& app) {
  const DiscIdentity& disc = identified.disc;
  app.m_szDiscLabel = AsciiUpper(disc.label);
  app.m_szCdRoot = identified.cdRoot;
  app.m_nDiscSerial = identified.serial;
  app.m_szYear = disc.year;
  app.m_szSubject = std::string(1, disc.subject->code);
  app.m_szEdition = disc.edition;
  app.m_szSubjectKey = disc.subject->keyName;
  app.m_szSubjectName = SubjectDisplayName(*disc.subject, disc.edition);
}

IdentifiedDisc IdentifiedDiscOf(const TavAppState& app) {
  IdentifiedDisc identified;
  identified.disc.label = app.m_szDiscLabel;
  identified.disc.year = app.m_szYear;
  identified.disc.edition = app.m_szEdition;
  identified.cdRoot = app.m_szCdRoot;
  identified.serial = app.m_nDiscSerial;
  return identified;
}

void ApplyChosenKinds(const ChosenKinds& chosen, TavAppState& app) {
  app.m_bKind = chosen.kinds;
  app.m_nRequiredSize = chosen.requiredBytes;
}

void ApplyCopyDestination(const ChosenDestination& chosen, TavAppState& app) {
  app.m_szDestDir = chosen.folder;
  app.m_destCreatedLevels = chosen.createdLevels;
}

void ApplyMoveDestination(const ChosenDestination& chosen, TavAppState& app) {
  app.m_szDataDir = chosen.registeredFolder;
  app.m_szDestDir = chosen.folder;
  app.m_destCreatedLevels = chosen.createdLevels;
}

void ApplyDataSetToMove(const ChosenDataSet& chosen, TavAppState& app) {
  if (chosen.subject) {
    app.m_szSubjectName = chosen.subject->displayName;
    app.m_szSubject = std::string(1, chosen.subject->code);
    app.m_szSubjectKey = chosen.subject->keyName;
  } else {
    app.m_szSubjectName.clear();
    app.m_szSubject.clear();
    app.m_szSubjectKey.clear();
  }
  app.m_szYear = chosen.year;
}

void ApplyDataSetToDelete(const ChosenDataSet& chosen, TavAppState& app) {
  ApplyDataSetToMove(chosen, app);
  app.m_szDataDir = chosen.dataDir;
}
