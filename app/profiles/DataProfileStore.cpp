#include "profiles/DataProfileStore.h"

#include <algorithm>

#include "morvane/DataProfileText.h"

namespace {

QString ProfileKey(int number) { return QString::fromLatin1(settings::kProfileKeyFormat).arg(number); }

int StoredProfileCount(settings::Store& store) {
  return std::clamp(store.Read(settings::kNumProfiles), 0, kMaxStoredProfiles);
}

}  // namespace

void LoadDataProfiles(settings::Store& store, DataProfileList& list) {
  list.Reset();
  const int count = StoredProfileCount(store);
  for (int number = 1; number <= count; ++number) {
    const QString text =
        store.ReadText(settings::kProfileSection, ProfileKey(number), QString::fromLatin1(settings::kMissingProfileText));
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
