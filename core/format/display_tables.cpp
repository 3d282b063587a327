#include "core/format/display_tables.h"

#include <algorithm>
#include <cstddef>

#include "core/panchang/nakshatra_names.h"
#include "core/panchang/yoga_names.h"

namespace zorvane {

namespace {

// The row count is checked by the tables' types; this also refuses a row
// written with an empty name or paragraph.
template <std::size_t N>
constexpr bool EveryRowFilled(const std::array<DisplayRow, N>& table) {
    return std::ranges::all_of(table, [](const DisplayRow& row) {
        return !row.name.empty() && !row.description.empty();
    });
}

// The shown names are the computed names, row for row, so a row found by a
// computed index shows that very name.
template <std::size_t N, std::size_t M>
constexpr bool NamesInOrder(const std::array<DisplayRow, N>& table,
                            const std::array<std::string_view, M>& names) {
    static_assert(M >= N);
    for (std::size_t i = 0; i < N; ++i) {
        if (table[i].name != names[i]) return false;
    }
    return true;
}

template <std::size_t N>
constexpr std::optional<int> FindRow(const std::array<DisplayRow, N>& table,
                                     std::string_view name) {
    for (std::size_t i = 0; i < N; ++i) {
        if (table[i].name == name) {
            return static_cast<int>(i);
        }
    }
    return std::nullopt;
}

}  // namespace

// The yoga readings shown under "Varnoy Yoga", in the order of YogaNames.
// Source: the program's own interpretation texts. Each paragraph keeps its
// long-standing opening, whose spelling of the yoga may differ from the name
// column (Priti for Prithi), and goes on with the traditional reading of that
// yoga. Plain ASCII, 118 to 300 characters each so it fits lblYogaDesc.
constexpr std::array<DisplayRow, kYogaCount> YogaTable = std::to_array<DisplayRow>({
    {"Vishkambha",
     "The Yoga is Vishkambha which means 'Supported'. The native born in this yoga wins "
     "over others and is blessed with wealth, property and good looks. He/she is well "
     "supported by family and friends and is able to stand firm when life becomes hard."},
    {"Prithi",
     "The yoga is Priti which means 'Fondness'. With this combination of yoga, the native "
     "is well liked by everyone and is attracted to the opposite sex. He/she enjoys life, "
     "is contented and keeps warm and lasting relations with friends."},
    {"Ayushman",
     "The yoga is Ayushman which means 'Long lived'. The native born in this yoga is "
     "blessed with good health and long life. He/she is energetic, has a poetic bent of "
     "mind and keeps working well into old age."},
    {"Saubhagya",
     "The yoga is Saubhagya. As the name implies, it means 'Good fortune'. The native "
     "enjoys a comfortable life and gets many opportunities. He/she is happy, dear to the "
     "family and lucky in marriage."},
    {"Sobhana",
     "The yoga is Sobhana which implies 'Splendor'. The native has a lustrous body and an "
     "attractive personality. He/she is fond of pleasures and comforts, eager for action "
     "and should guard against overindulgence of the senses."},
    {"Atiganda",
     "The yoga is Atiganda which implies 'Danger or Obstacle'. With this combination of "
     "yoga, the native is bound to be very short tempered, angry and revengeful as well. "
     "This yoga makes life difficult with large number of hurdles and obstacles in the "
     "path of success. He/she may be accident prone as well."},
    {"Sukarman",
     "The yoga is Sukarma which means 'Virtuous'. The native born in this yoga performs "
     "noble deeds and is magnanimous and charitable. He/she earns wealth by honest means "
     "and is respected in society for good conduct."},
    {"Dhrithi",
     "The yoga is Dhriti. As is obvious from the name, it means 'Determination'. The "
     "native is steady and persistent in effort and does not give up easily. He/she enjoys "
     "the goods and company of others and finally achieves what is aimed at."},
    {"Soola",
     "The yoga is Soola which means 'Spear, Pain'. With this combination of yoga, the "
     "native tends to be confrontational, quarrelsome and easily angered. He/she should "
     "learn patience and avoid hurting others with sharp words."},
    {"Ganda",
     "The yoga is Ganda, which means 'Danger or Obstacles'. The native may face many "
     "troubles in life and may have a difficult personality with flawed morals. He/she is "
     "advised to keep good company and to act with care."},
    {"Vridhi",
     "The yoga is Vriddha. As the name implies, it means 'Growth'. The native is "
     "intelligent, discerning and quick to see an opportunity. His/her life improves "
     "steadily with age and wealth and knowledge keep growing."},
    {"Dhruva",
     "The yoga is Dhruva which means 'Constant'. The native has a steady character and a "
     "good power of concentration. He/she is persistent, reliable and wealthy, and keeps "
     "his/her word once it is given."},
    {"Vyaghata",
     "The yoga is Vyagatha which means 'Beating'. With this combination of yoga, the "
     "native may be harsh and cruel and inclined to hurt others. He/she should control "
     "anger and use his/her strength to protect rather than to harm."},
    {"Harshana",
     "The yoga is Harshana which means 'Thrilling'. The native is intelligent and cheerful "
     "and delights in merriment and humor. He/she spreads joy around, is fond of learning "
     "and is happy in most circumstances."},
    {"Vajra",
     "The yoga is Vajra which means 'Diamond, Thunderbolt'. The native is well off and "
     "forceful but can be unpredictable and lustful. He/she has a strong will and may rise "
     "quickly, yet should guard against sudden reversals."},
    {"Siddhi",
     "The yoga is Siddhi which means 'Success'. The native is skillful and accomplished in "
     "many fields and succeeds in what he/she undertakes. He/she protects and supports "
     "others and is respected for wisdom."},
    {"Vyatipata",
     "The yoga is Vyatapata which means 'Calamity'. With this combination of yoga, the "
     "native is prone to sudden mishaps and reversals of fortune. He/she may be fickle and "
     "unreliable and should plan with great care."},
    {"Variyan",
     "The yoga is Variyan which means 'Comfort'. The native lives in comfort and luxury "
     "and loves the good things of life. He/she may tend to be lazy and indulgent and does "
     "best with a clear purpose and some discipline."},
    {"Parigha",
     "The yoga is Parigha which means 'Obstruction'. The native meets many obstacles on "
     "the path of progress and may be irritable and meddlesome. He/she succeeds late in "
     "life through patience and steady work."},
    {"Siva",
     "The yoga is Siva which means 'Auspicious'. The native is honoured by superiors and "
     "the government. He/she is calm, learned, religious and wealthy, and has a peaceful "
     "and kind nature."},
    {"Siddha",
     "The yoga is Siddha which means 'Accomplished'. The native has an accommodating and "
     "pleasant personality. He/she takes interest in rituals and spiritual matters and "
     "achieves success in many undertakings."},
    {"Sadhya",
     "The yoga is Sadhya which means 'Amenable'. The native is well behaved and has fine "
     "manners and good etiquette. He/she is easy to deal with, is liked by all and "
     "accomplishes tasks through skill and courtesy."},
    {"Subha",
     "The yoga is Subha. As the name implies, the yoga means 'Auspicious'. The native has "
     "a lustrous body and an impressive personality and is wealthy. He/she may however "
     "suffer from poor health at times and be irritable."},
    {"Sukla",
     "The yoga is Sukla which means 'Bright White'. The native is talkative and lively but "
     "can be fickle, impatient and impulsive. He/she has a clear mind and does well when "
     "taking time to think before acting."},
    {"Bramha",
     "The yoga is Brahma which means 'Priest, God'. The native is trustworthy, keeps "
     "secrets well and is ambitious. He/she has good discernment and sound judgment and is "
     "often sought for advice."},
    {"Indra",
     "The yoga is Indira which means 'Chief'. The native is interested in education and "
     "knowledge and is helpful to others. He/she is well off, holds positions of authority "
     "and is looked up to as a leader."},
    {"Vaidhruthi",
     "The yoga is Vaidhriti which means 'Poor support'. With this combination of yoga, the "
     "native may be critical and scheming by nature. He/she has a powerful mind that can "
     "overwhelm others and should avoid unwanted disputes."},
});
static_assert(YogaTable.size() == 27);
static_assert(EveryRowFilled(YogaTable));
static_assert(NamesInOrder(YogaTable, YogaNames));

// The nakshatra readings shown under "Nakshatra Details", in the order of
// NakshatraNames. Source: the program's own interpretation texts. Each
// paragraph keeps its long-standing opening, with its own spelling of the
// star and its span in degrees and arcminutes ("3°20′"), and goes on with the
// traditional reading of that nakshatra (ruler, deity, symbol, nature,
// advice). Plain ASCII but for the signs ° and ′, 272 to 471 bytes each;
// Shravana's paragraph is the longest, since lblNakshatraDesc is laid out
// around it.
constexpr std::array<DisplayRow, kNakshatraCount> NakshatraTable = std::to_array<DisplayRow>({
    {"Ashwini",
     "Ashwini is the first Nakshatra of the zodiac. It lies wholly in Aries and is ruled "
     "by Ketu, with the Ashwini Kumaras, the divine physicians, as its deities and the "
     "head of a horse as its symbol. The natives born under this star are quick, energetic "
     "and adventurous. They are fond of travel, have a gift for healing and start new "
     "things with great enthusiasm. They are advised to be patient and to finish what they "
     "begin."},
    {"Bharani",
     "Bharani is the second Nakshatra of the zodiac. It lies in Aries and is ruled by "
     "Venus, with Yama, the god of death and justice, as its deity. The natives born under "
     "this star are truthful, determined and strong willed. They carry their "
     "responsibilities well and have creative talents, but they can be stubborn and "
     "restless. They are advised to control their desires and to be moderate in pleasures."},
    {"Krittika",
     "Krittika is the third Nakshatra of the zodiac ranging from 26°40′ to "
     "10°. It is ruled by the Sun and its deity is Agni, the god of fire, with a "
     "razor or flame as its symbol. The natives born under this star are sharp, ambitious "
     "and proud. They protect those they love and stand up for what is right, but they can "
     "have a fiery temper. They are advised to use their sharp words with care."},
    {"Rohini",
     "Rohini is the fourth Nakshatra of the zodiac ranging from 10° to "
     "23°20′. It is ruled by the Moon and its deity is Brahma, the creator. The natives "
     "born under this star are charming, attractive and artistic. They are fond of "
     "comforts, beauty and good food and are gifted in business. They can be possessive "
     "and are advised to avoid jealousy and overindulgence."},
    {"Mrigasira",
     "Mrigasira is the fifth Nakshatra of the zodiac ranging from 23°20′ to "
     "6°40′. It is ruled by Mars and its deity is Soma, with the head of a deer "
     "as its symbol. The natives born under this star are curious, gentle and always "
     "searching. They love travel and learning and are good at research, but they can be "
     "restless and suspicious. They are advised to settle on a goal."},
    {"Ardra",
     "Ardra is the sixth Nakshatra of the zodiac ranging from 6°40′ to "
     "20°. It is ruled by Rahu and its deity is Rudra, the storm god, with a "
     "teardrop as its symbol. The natives born under this star are intelligent, "
     "inquisitive and good at research. Their life may pass through storms and changes "
     "that bring growth in the end. They are advised to control anger and to be kind in "
     "speech."},
    {"Punarvasu",
     "Punarvasu is the seventh Nakshatra of the zodiac ranging from 20° to "
     "3°20′. It is ruled by Jupiter and its deity is Aditi, the mother of the gods, "
     "with a quiver of arrows as its symbol. The natives born under this star are kind, "
     "simple, generous and contented. They recover well from setbacks and return to the "
     "right path. They are good friends and are advised to plan for the future."},
    {"Pushya",
     "Pushya is the eighth Nakshatra of the zodiac ranging from 3°20′ to "
     "16°40′. It is ruled by Saturn and its deity is Brihaspati, the teacher of "
     "the gods, with the udder of a cow as its symbol. It is held to be the most "
     "auspicious of the stars. The natives born under this star are caring, disciplined "
     "and religious. They nourish and help others and are respected. They are advised not "
     "to be too rigid."},
    {"Ashlesha",
     "Aslesha is the ninth Nakshatra of the zodiac ranging from 16°40′ to "
     "30°. It is ruled by Mercury and its deities are the Nagas, with a coiled "
     "serpent as its symbol. The natives born under this star are shrewd, intuitive and "
     "persuasive. They are good at keeping secrets and can see through others, but may be "
     "cunning. They are advised to use their insight for good purposes."},
    {"Magha",
     "Magha is the tenth Nakshatra of the zodiac ranging from 0° to "
     "13°20′. It is ruled by Ketu and its deities are the Pitris, the ancestors, with a "
     "royal throne as its symbol. The natives born under this star respect tradition and "
     "their elders. They are proud, generous and born to lead, and often hold high "
     "positions. They are advised to avoid arrogance and to respect the views of others."},
    {"Poorva Phalguni",
     "Poorvaphalguni is the eleventh Nakshatra of the zodiac. It lies in Leo and is ruled "
     "by Venus, with Bhaga, the god of delight, as its deity and the front legs of a bed "
     "as its symbol. The natives born under this star are friendly, generous and fond of "
     "pleasure, rest and the arts. They are loving partners and enjoy social life. They "
     "are advised to avoid laziness and vanity and to use their talents well."},
    {"Uttara Phalguni",
     "Uttarphalguni is the twelfth Nakshatra of the zodiac ranging from 26°40′ "
     "to 10°. It is ruled by the Sun and its deity is Aryaman, the god of contracts "
     "and friendship. The natives born under this star are reliable, helpful and kind. "
     "They value friendship and marriage, keep their promises and make good leaders. They "
     "are advised to take care of their own needs as well as those of others."},
    {"Hasta",
     "Hasta is the thirteenth Nakshatra of the zodiac ranging from 10° to "
     "23°20′. It is ruled by the Moon and its deity is Savitar, the Sun god, with an "
     "open hand as its symbol. The natives born under this star are skillful, clever and "
     "hardworking. They are good with their hands, have a sense of humor and are gifted in "
     "crafts and trade. They are advised to be honest and to avoid restlessness."},
    {"Chitra",
     "Chitra is the fourteenth Nakshatra of the zodiac ranging from 23°20′ to "
     "6°40′. It is ruled by Mars and its deity is Vishvakarma, the divine "
     "architect, with a bright jewel as its symbol. The natives born under this star are "
     "creative, elegant and charming. They have a gift for design and beauty and make good "
     "artists. They are advised to control pride and to finish their work with patience."},
    {"Swati",
     "Swati is the fifteenth Nakshatra of the zodiac ranging from 6°40′ to "
     "20°. It is ruled by Rahu and its deity is Vayu, the wind god, with a young "
     "sprout blown by the wind as its symbol. The natives born under this star are "
     "independent, flexible and diplomatic. They do well in business and trade and love "
     "freedom. They are advised to overcome restlessness and to be firm in their choices."},
    {"Vishakha",
     "Vishakha is the sixteenth Nakshatra of the zodiac ranging from 20° to "
     "3°20′. It is ruled by Jupiter and its deities are Indra and Agni, with a "
     "triumphal arch as its symbol. The natives born under this star are ambitious, "
     "determined and goal oriented. They work hard and finally achieve success. They can "
     "be competitive and jealous and are advised to be content with what they have."},
    {"Anuradha",
     "Anuradha is the seventeenth Nakshatra of the zodiac ranging from 3°20′ to "
     "16°40′. It is ruled by Saturn and its deity is Mitra, the god of "
     "friendship, with a lotus as its symbol. The natives born under this star are "
     "devoted, cooperative and good at organising. They make lasting friends and may find "
     "success far from home. They are advised to control their moods and be patient."},
    {"Jyeshtha",
     "Jyeshta is the eighteenth Nakshatra of the zodiac ranging from 16°40′ to "
     "30°. It is ruled by Mercury and its deity is Indra, the king of the gods, with "
     "an earring or umbrella as its symbol. The natives born under this star are "
     "responsible, protective and respected as elders. They can be proud and secretive at "
     "times. They are advised to be humble and to use their power to help others."},
    {"Moola",
     "Moola is the nineteenth Nakshatra of the zodiac ranging from 0° to "
     "13°20′. It is ruled by Ketu and its deity is Nirriti, with a bunch of tied roots "
     "as its symbol. The natives born under this star like to get to the root of things "
     "and are drawn to research and philosophy. Their life may see sudden changes. They "
     "are advised to stay calm in upheavals and to avoid harsh words."},
    {"Purva Ashadha",
     "Poorvashada is the twentieth Nakshatra of the zodiac ranging from 13°20′ "
     "to 26°40′. It is ruled by Venus and its deity is Apas, the waters, with a "
     "fan as its symbol. The natives born under this star are proud, independent and "
     "optimistic and do not accept defeat. They are persuasive and loyal to friends. They "
     "are advised to avoid stubbornness and to listen to others."},
    {"Uttara Ashadha",
     "Uttarashada is the twenty first Nakshatra of the zodiac ranging from "
     "26°40′ to 10°. It is ruled by the Sun and its deities are the Vishvadevas, "
     "with an elephant tusk as its symbol. The natives born under this star are righteous, "
     "patient and principled and win a final and lasting victory. They are sincere leaders "
     "and are advised to avoid taking on more than they can carry."},
    {"Shravana",
     "Sravana is the twenty second Nakshatra of the zodiac ranging from 10° to "
     "23°20′. It is ruled by the Moon and its deity is Vishnu, the great "
     "preserver, with an ear and three footprints as its symbol. The natives born under "
     "this star are good listeners and keen learners who gather knowledge from others. "
     "They are gifted in speech and teaching, fond of travel and pilgrimage and often "
     "become famous. They are advised to avoid gossip and to share their wisdom with care."},
    {"Dhanistha",
     "Dhanishtha is the twenty third Nakshatra of the zodiac ranging from "
     "23°20′ to 6°40′. It is ruled by Mars and its deities are the eight "
     "Vasus, with a drum as its symbol. The natives born under this star are wealthy, "
     "generous and ambitious and have a love of music and rhythm. They do well in groups. "
     "They are advised to avoid greed and to stay humble in success."},
    {"Shatabhisha",
     "Satabisha is the twenty-fourth Nakshatra of the zodiac ranging from 6°40′ "
     "to 20°. It is ruled by Rahu and its deity is Varuna, the god of the waters, "
     "with an empty circle as its symbol. The natives born under this star are truthful, "
     "philosophical and independent and have a gift for healing. They like solitude and "
     "can be secretive. They are advised to open their hearts to others."},
    {"Poorva Bhadrapada",
     "Poorvabhadra is the twenty-fifth Nakshatra of the zodiac ranging from 20° to "
     "3°20′. It is ruled by Jupiter and its deity is Aja Ekapada, with the "
     "front legs of a cot as its symbol. The natives born under this star are passionate, "
     "idealistic and eloquent and have a spiritual bent of mind. They may suffer from "
     "worry. They are advised to keep a balanced outlook."},
    {"Uttara Bhadrapada",
     "Uttarabhadra is the twenty-sixth Nakshatra of the zodiac ranging from "
     "3°20′ to 16°40′. It is ruled by Saturn and its deity is Ahir Budhnya, "
     "the serpent of the deep. The natives born under this star are wise, disciplined and "
     "compassionate. They control their emotions and think deeply. They are advised to "
     "avoid laziness and to share their wisdom."},
    {"Revati",
     "Revati is the twenty-seventh Nakshatra of the zodiac ranging from 16°40′ "
     "to 30°. It is ruled by Mercury and its deity is Pushan, the protector of "
     "travellers, with a fish as its symbol. The natives born under this star are kind, "
     "gentle and artistic and care for others. They enjoy safe journeys and are advised to "
     "avoid being too trusting."},
});
static_assert(NakshatraTable.size() == 27);
static_assert(EveryRowFilled(NakshatraTable));
static_assert(NamesInOrder(NakshatraTable, NakshatraNames));

std::optional<int> FindNakshatraRow(std::string_view name) {
    return FindRow(NakshatraTable, name);
}

std::optional<int> FindYogaRow(std::string_view name) {
    return FindRow(YogaTable, name);
}

}  // namespace zorvane
