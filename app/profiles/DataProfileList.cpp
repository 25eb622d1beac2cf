#include "profiles/DataProfileList.h"

#include <algorithm>

#include "common/StringTable.h"
#include "morvane/DataProfileText.h"

namespace {
// What follows the name in the text of a newly made profile.
constexpr const char* kNewProfileWords = ",3,1,1,1,1,1,1,1,1,1,1,1";
}  // namespace

DataProfile DataProfile::Parse(int id, const QString& text) {
  const QByteArray bytes = text.toLatin1();
  const morvane::ProfileText parsed = morvane::ParseProfileText(std::string_view(bytes.constData(), bytes.size()));
  DataProfile profile;
  profile.id = id;
  profile.name = QString::fromLatin1(parsed.name.data(), static_cast<qsizetype>(parsed.name.size()));
  profile.tag = parsed.tag;
  return profile;
}

QString DataProfile::Format() const {
  const QByteArray nameBytes = name.toLatin1();
  const std::string text = morvane::FormatProfileText(std::string_view(nameBytes.constData(), nameBytes.size()), tag);
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

DataProfileList::DataProfileList() { Reset(); }

void DataProfileList::Reset() {
  profiles.clear();
  Append(kDefaultProfileId, QString::fromLatin1(morvane::kDefaultProfileText));
  currentId = kDefaultProfileId;
}

DataProfile* DataProfileList::Find(int id) const {
  const auto found = std::find_if(profiles.begin(), profiles.end(), [id](const auto& p) { return p->id == id; });
  return found == profiles.end() ? nullptr : found->get();
}

bool DataProfileList::ContainsName(const QString& name) const {
  return std::any_of(profiles.begin(), profiles.end(), [&name](const auto& p) { return p->name == name; });
}

int DataProfileList::NextId() const {
  int largest = 0;
  for (const auto& profile : profiles) largest = std::max(largest, profile->id);
  return largest + 1;
}

_DataProfileTag* DataProfileList::GetCurrentProfile() const {
  DataProfile* current = Find(currentId);
  return current ? &current->tag : nullptr;
}

DataProfile& DataProfileList::Append(int id, const QString& text) {
  profiles.push_back(std::make_unique<DataProfile>(DataProfile::Parse(id, text)));
  return *profiles.back();
}

DataProfile& DataProfileList::Create(const QString& name) {
  DataProfile& created = Append(NextId(), name + QLatin1String(kNewProfileWords));
  currentId = created.id;
  return created;
}

bool DataProfileList::Remove(int id) {
  const auto found = std::find_if(profiles.begin(), profiles.end(), [id](const auto& p) { return p->id == id; });
  if (found == profiles.end() || found == profiles.begin()) return false;
  profiles.erase(found);
  for (size_t position = 0; position < profiles.size(); ++position) profiles[position]->id = static_cast<int>(position) + 1;
  currentId = kDefaultProfileId;
  return true;
}

int ProfileNameProblem(const QString& name, const DataProfileList* list) {
  if (name.isEmpty()) return strings::kEnterProfileName;
  if (name.size() > kMaxProfileNameLength) return strings::kProfileNameTooLong;
  if (name.contains(QLatin1Char(','))) return strings::kProfileNameHasComma;
  if (list && list->ContainsName(name)) return strings::kProfileNameExists;
  return 0;
}
