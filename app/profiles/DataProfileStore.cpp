#include "profiles/DataProfileStore.h"

#include "morvane/DataProfileText.h"

namespace {

QString ProfileKey(int number) { return QString::fromLatin1(settings::kProfileKeyFormat).arg(number); }

QString ReadProfile(settings::Store& store, int number, const QString& fallback) {
  return store.ReadText(settings::kProfileSection, ProfileKey(number), fallback);
}

// A missing or damaged count (not a number, negative or beyond what can be
// stored) would lose every profile: the profiles stored one after another
// from the first are kept instead.
int StoredProfileCount(settings::Store& store) {
  const QString text =
      store.ReadText(settings::kNumProfiles.section, QString::fromLatin1(settings::kNumProfiles.key), QString());
  bool readable = false;
  const int count = text.trimmed().toInt(&readable);
  if (readable && count >= 0 && count <= kMaxStoredProfiles) return count;
  int present = 0;
  while (present < kMaxStoredProfiles && !ReadProfile(store, present + 1, QString()).isEmpty()) ++present;
  return present;
}

}  // namespace

void LoadDataProfiles(settings::Store& store, DataProfileList& list) {
  list.Reset();
  const int count = StoredProfileCount(store);
  for (int number = 1; number <= count; ++number) {
    const QString text = ReadProfile(store, number, QString::fromLatin1(settings::kMissingProfileText));
    list.Append(number + 1, text);
  }
  const int current = store.Read(settings::kCurrentProfile);
  list.SetCurrentId(list.Find(current) ? current : kDefaultProfileId);
}

void StoreDataProfiles(settings::Store& store, const DataProfileList& list) {
  const int previousCount = StoredProfileCount(store);
  for (int number = 1; number <= previousCount; ++number) store.Remove(settings::kProfileSection, ProfileKey(number));
  store.Write(settings::kNumProfiles, list.Count() - 1);
  store.Write(settings::kCurrentProfile, list.CurrentId());
  int number = 1;
  for (const auto& profile : list.Profiles()) {
    if (profile->id >= 2) store.WriteText(settings::kProfileSection, ProfileKey(number++), profile->Format());
  }
}
