#pragma once

#include "app/platform/Pictures.h"

// The program's pictures, each read from the resources by its number the first time a
// window shows it and kept until shut-down. An accessor returns nullptr while the
// resources hold no such picture, and asks again at the next call.
const Platform::Picture* Logo10();      // 168
const Platform::Picture* Liquid2();     // 169
const Platform::Picture* Vapour2();     // 170
const Platform::Picture* gibbs();       // 171
const Platform::Picture* sound();       // 172
const Platform::Picture* joule();       // 173
const Platform::Picture* Helmholtz1();  // 177
const Platform::Picture* pressure1();   // 178
const Platform::Picture* delta1();      // 179
const Platform::Picture* tau1();        // 180
const Platform::Picture* fugacity1();   // 181
const Platform::Picture* energy1();     // 182
const Platform::Picture* enthalpy1();   // 183
const Platform::Picture* entropy1();    // 184
const Platform::Picture* cv1();         // 185
const Platform::Picture* cp1();         // 186
const Platform::Picture* PLV1();        // 187
const Platform::Picture* RhoLiq1();     // 188
const Platform::Picture* RhoVap1();     // 189

// Shut-down: empties the caches in the order of the list above.
void ReleasePictures();

// How often the picture of that resource number has been read from the resources.
int PictureReads(int resourceNumber);
