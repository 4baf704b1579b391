#include "app/Pictures.h"

#include <array>
#include <memory>

#include <QtGlobal>

#include "app/Lifecycle.h"

// The pictures are compiled into a static library; this makes sure they are linked in.
static void LinkPictureResources() { Q_INIT_RESOURCE(pictures); }

namespace {

struct Cache {
  const char* name;
  int number;
  std::unique_ptr<Platform::Picture> picture;
  int reads = 0;
};

// In the order in which shut-down releases them.
std::array<Cache, 19>& Caches() {
  static std::array<Cache, 19> caches{{
      {"Logo10", 168, nullptr}, {"Liquid2", 169, nullptr}, {"Vapour2", 170, nullptr},
      {"gibbs", 171, nullptr}, {"sound", 172, nullptr}, {"joule", 173, nullptr},
      {"Helmholtz1", 177, nullptr}, {"pressure1", 178, nullptr}, {"delta1", 179, nullptr},
      {"tau1", 180, nullptr}, {"fugacity1", 181, nullptr}, {"energy1", 182, nullptr},
      {"enthalpy1", 183, nullptr}, {"entropy1", 184, nullptr}, {"cv1", 185, nullptr},
      {"cp1", 186, nullptr}, {"PLV1", 187, nullptr}, {"RhoLiq1", 188, nullptr},
      {"RhoVap1", 189, nullptr},
  }};
  return caches;
}

const Platform::Picture* Get(std::size_t order) {
  Cache& cache = Caches()[order];
  if (!cache.picture) {
    static const bool linked = (LinkPictureResources(), true);
    (void)linked;
    ++cache.reads;
    cache.picture = Platform::GetPicture(cache.number);
  }
  return cache.picture.get();
}

}  // namespace

const Platform::Picture* Logo10() { return Get(0); }
const Platform::Picture* Liquid2() { return Get(1); }
const Platform::Picture* Vapour2() { return Get(2); }
const Platform::Picture* gibbs() { return Get(3); }
const Platform::Picture* sound() { return Get(4); }
const Platform::Picture* joule() { return Get(5); }
const Platform::Picture* Helmholtz1() { return Get(6); }
const Platform::Picture* pressure1() { return Get(7); }
const Platform::Picture* delta1() { return Get(8); }
const Platform::Picture* tau1() { return Get(9); }
const Platform::Picture* fugacity1() { return Get(10); }
const Platform::Picture* energy1() { return Get(11); }
const Platform::Picture* enthalpy1() { return Get(12); }
const Platform::Picture* entropy1() { return Get(13); }
const Platform::Picture* cv1() { return Get(14); }
const Platform::Picture* cp1() { return Get(15); }
const Platform::Picture* PLV1() { return Get(16); }
const Platform::Picture* RhoLiq1() { return Get(17); }
const Platform::Picture* RhoVap1() { return Get(18); }

void ReleasePictures() {
  for (Cache& cache : Caches()) {
    if (cache.picture) {
      cache.picture.reset();
      Lifecycle::Record(std::string("release picture ") + cache.name);
    }
  }
}

int PictureReads(int resourceNumber) {
  for (const Cache& cache : Caches())
    if (cache.number == resourceNumber) return cache.reads;
  return 0;
}
