#pragma once

namespace demofolder {

// The peculiarities a partner folder meets in real life, each carried by the
// offer at that position of the catalogue (when the catalogue is that big),
// so every demo holds them all, in the same place whatever the seed.
enum Quirk : int {
    UpperCaseThumbnail = 0, // key 7, thumbnail "7CD.JPG"
    PlainFirstPhoto = 1,    // key 12: no thumbnail, and 12 is a prefix of 123
    PrefixKey = 2,          // key 123, with a thumbnail
    NoPhotos = 3,
    UnknownConservation = 4, // Conservacion with no row in tipoconservacion
    UnknownOrientation = 5,  // keyori with no row in tipoori
    HiddenPhotos = 6,        // every photo nomostrar
    ShuffledOrder = 7,       // orden unlike insertion order, with a tie
    MissingSecondPhoto = 8,
    MissingFirstPhoto = 9,   // and no thumbnail: the cell finds no picture
    ExifRotated = 10,        // first photo stored sideways with an orientation tag
    LongDescription = 11,    // a memo longer than 16 KB
    UpperCaseExtension = 12, // rutas ending in ".JPG"
    BigPrice = 13,           // 1234567.60
    FreePriceA = 14,         // price 0, shown as "Consultar"
    FreePriceB = 15,
    EqualPriceA = 16,        // three offers of one price
    EqualPriceB = 17,
    EqualPriceC = 18,
    PrivatePool = 19,
    CommunalPool = 20,
    BothPools = 21,
    ApostropheZone = 22,     // "L'Alfàs del Pi", zone "Playa de l'Albir"
    ManyPhotos = 23,         // at least a dozen photos
    LargePhotoA = 24,        // first photo 4000 x 3000
    LargePhotoB = 25,
    LargePhotoC = 26,
    BlankAroundRef = 27,     // reference with blanks around it
    UncleanRef = 28,         // reference with \ ; " ' that extraction removes
    NullDetails = 29,        // every detail field that may be Null is Null
    QuirkCount
};

} // namespace demofolder
