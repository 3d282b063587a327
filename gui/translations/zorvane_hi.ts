<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hi_IN">
<context>
    <name>AtlasClock</name>
    <message>
        <source>Choose the clock the birth time was read from. “What it changes” compares each with the clock applied now.</source>
        <translation>वह घड़ी चुनें जिससे जन्म का समय पढ़ा गया था। “क्या बदलता है” हर एक की तुलना अभी लागू घड़ी से करता है।</translation>
    </message>
    <message>
        <source> Before 1956 many towns kept a clock of their own: the tz database&apos;s value is the default; Bombay and Calcutta Time and their years rest on secondary sources, and war time on one source the tz database calls dubious.</source>
        <translation> 1956 से पहले कई नगर अपनी-अपनी घड़ी रखते थे: tz डेटाबेस का मान डिफ़ॉल्ट है; बंबई और कलकत्ता समय और उनके वर्ष द्वितीयक स्रोतों पर आधारित हैं, और युद्धकालीन समय एक ऐसे स्रोत पर जिसे tz डेटाबेस संदिग्ध कहता है।</translation>
    </message>
    <message>
        <source>.</source>
        <comment>the end of a sentence</comment>
        <translation>।</translation>
    </message>
</context>
<context>
    <name>AtlasZoneLink</name>
    <message>
        <source>: click here to choose the clock</source>
        <translation>: घड़ी चुनने के लिए यहाँ क्लिक करें</translation>
    </message>
</context>
<context>
    <name>ChartPage</name>
    <message>
        <source>St&amp;yle:</source>
        <translation>शैली(&amp;Y):</translation>
    </message>
    <message>
        <source>&amp;Ayanamsa:</source>
        <translation>अयनांश(&amp;A):</translation>
    </message>
    <message>
        <source>&amp;Rahu:</source>
        <translation>राहु(&amp;R):</translation>
    </message>
    <message>
        <source>D&amp;egrees</source>
        <translation>अंश(&amp;E)</translation>
    </message>
    <message>
        <source>Save C&amp;hart Picture…</source>
        <translation>कुंडली का चित्र सहेजें(&amp;H)…</translation>
    </message>
    <message>
        <source>Point</source>
        <translation>बिंदु</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>देशांतर</translation>
    </message>
    <message>
        <source>Sign</source>
        <translation>राशि</translation>
    </message>
    <message>
        <source>In sign</source>
        <translation>राशि में</translation>
    </message>
    <message>
        <source>Nakshatra</source>
        <translation>नक्षत्र</translation>
    </message>
    <message>
        <source>Pada</source>
        <translation>पद</translation>
    </message>
    <message>
        <source>Lord</source>
        <translation>स्वामी</translation>
    </message>
    <message>
        <source>House</source>
        <translation>भाव</translation>
    </message>
    <message>
        <source>R</source>
        <translation>व</translation>
    </message>
    <message>
        <source>Speed/day</source>
        <translation>गति/दिन</translation>
    </message>
    <message>
        <source>Mean node</source>
        <translation>माध्य पात</translation>
    </message>
    <message>
        <source>True node</source>
        <translation>स्पष्ट पात</translation>
    </message>
    <message>
        <source>Ayanamsa %1 %2; ephemeris: %3.</source>
        <translation>अयनांश %1 %2; पंचांग सारणी: %3।</translation>
    </message>
    <message>
        <source>Save Chart Picture</source>
        <translation>कुंडली का चित्र सहेजें</translation>
    </message>
    <message>
        <source>PNG image (*.png);;SVG image (*.svg)</source>
        <translation>PNG चित्र (*.png);;SVG चित्र (*.svg)</translation>
    </message>
    <message>
        <source>The picture could not be saved to %1.</source>
        <translation>चित्र %1 में सहेजा नहीं जा सका।</translation>
    </message>
    <message>
        <source>Swiss Ephemeris data files</source>
        <translation>स्विस एफ़ेमेरिस की डेटा फ़ाइलें</translation>
    </message>
    <message>
        <source>the Swiss Ephemeris&apos; built-in analytic theory (its data files were not found)</source>
        <translation>स्विस एफ़ेमेरिस का अंतर्निहित विश्लेषणात्मक सिद्धांत (इसकी डेटा फ़ाइलें नहीं मिलीं)</translation>
    </message>
    <message>
        <source> The lagna and the houses need the birth&apos;s latitude.</source>
        <translation> लग्न और भावों के लिए जन्म स्थान का अक्षांश आवश्यक है।</translation>
    </message>
    <message>
        <source>North Indian</source>
        <translation>उत्तर भारतीय</translation>
    </message>
    <message>
        <source>South Indian</source>
        <translation>दक्षिण भारतीय</translation>
    </message>
    <message>
        <source>East Indian</source>
        <translation>पूर्व भारतीय</translation>
    </message>
    <message>
        <source>Wheel</source>
        <translation>चक्र</translation>
    </message>
    <message>
        <source>Lahiri</source>
        <translation>लाहिड़ी</translation>
    </message>
    <message>
        <source>Lahiri ICRC</source>
        <translation>लाहिड़ी ICRC</translation>
    </message>
    <message>
        <source>Krishnamurti</source>
        <translation>कृष्णमूर्ति</translation>
    </message>
    <message>
        <source>Raman</source>
        <translation>रमन</translation>
    </message>
    <message>
        <source>True Chitra</source>
        <translation>सत्य चित्रा</translation>
    </message>
    <message>
        <source>Yukteshwar</source>
        <translation>युक्तेश्वर</translation>
    </message>
    <message>
        <source>Fagan-Bradley</source>
        <translation>फ़ैगन-ब्रैडली</translation>
    </message>
</context>
<context>
    <name>LanguageCode</name>
    <message>
        <source>en</source>
        <translation>hi</translation>
    </message>
</context>
<context>
    <name>ReadingReport</name>
    <message>
        <source>Birth reading</source>
        <translation>जन्म फल</translation>
    </message>
    <message>
        <source>Birth yoga and nakshatra</source>
        <translation>जन्म योग और नक्षत्र</translation>
    </message>
    <message>
        <source>Birth</source>
        <translation>जन्म</translation>
    </message>
    <message>
        <source>Sky at birth</source>
        <translation>जन्म के समय आकाश</translation>
    </message>
    <message>
        <source>Nakshatra: </source>
        <translation>नक्षत्र: </translation>
    </message>
    <message>
        <source>Yoga: </source>
        <translation>योग: </translation>
    </message>
    <message>
        <source>The five limbs</source>
        <translation>पंचांग के पाँच अंग</translation>
    </message>
    <message>
        <source>Limb</source>
        <translation>अंग</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>नाम</translation>
    </message>
    <message>
        <source>Starts</source>
        <translation>आरंभ</translation>
    </message>
    <message>
        <source>Ends</source>
        <translation>समाप्ति</translation>
    </message>
    <message>
        <source>Mahadashas</source>
        <translation>महादशाएँ</translation>
    </message>
    <message>
        <source>Balance at birth: </source>
        <translation>जन्म के समय शेष: </translation>
    </message>
    <message>
        <source>Lord</source>
        <translation>स्वामी</translation>
    </message>
    <message>
        <source>Zorvane reading</source>
        <translation>Zorvane फल</translation>
    </message>
    <message>
        <source>Zorvane reading: </source>
        <translation>Zorvane फल: </translation>
    </message>
    <message>
        <source>Details</source>
        <translation>विवरण</translation>
    </message>
    <message>
        <source>%1: %2, %3 to %4
</source>
        <translation>%1: %2, %3 से %4 तक
</translation>
    </message>
    <message>
        <source>
Dasha balance at birth: </source>
        <translation>
जन्म के समय दशा शेष: </translation>
    </message>
    <message>
        <source>
Mahadashas
</source>
        <translation>
महादशाएँ
</translation>
    </message>
    <message>
        <source>%1: %2 to %3%4
</source>
        <translation>%1: %2 से %3 तक%4
</translation>
    </message>
    <message>
        <source> (running today)</source>
        <translation> (आज चल रही)</translation>
    </message>
    <message>
        <source>Times in the birth&apos;s clock. Dasha dates in the birth&apos;s zone, a year being 365.25 days; the shaded mahadasha runs today. A time with an offset beside it is on the place&apos;s clock at that moment. Made with Zorvane.</source>
        <translation>समय जन्म की घड़ी के अनुसार। दशा के दिनांक जन्म के समय क्षेत्र में, एक वर्ष 365.25 दिन का; छायांकित महादशा आज चल रही है। जिस समय के साथ अंतर लिखा है, वह उस क्षण स्थान की घड़ी का समय है। Zorvane से बनाया गया।</translation>
    </message>
    <message>
        <source>Birth chart</source>
        <translation>जन्म कुंडली</translation>
    </message>
</context>
<context>
    <name>ReadingWords</name>
    <message>
        <source>Date</source>
        <translation>दिनांक</translation>
    </message>
    <message>
        <source>Clock time</source>
        <translation>घड़ी का समय</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>घड़ी</translation>
    </message>
    <message>
        <source>Conventions</source>
        <translation>परिपाटी</translation>
    </message>
    <message>
        <source>tithi</source>
        <translation>तिथि</translation>
    </message>
    <message>
        <source>vara</source>
        <translation>वार</translation>
    </message>
    <message>
        <source>nakshatra</source>
        <translation>नक्षत्र</translation>
    </message>
    <message>
        <source>yoga</source>
        <translation>योग</translation>
    </message>
    <message>
        <source>karana</source>
        <translation>करण</translation>
    </message>
    <message>
        <source>less than a minute</source>
        <translation>एक मिनट से कम</translation>
    </message>
    <message>
        <source>%1 minute</source>
        <translation>%1 मिनट</translation>
    </message>
    <message>
        <source>%1 minutes</source>
        <translation>%1 मिनट</translation>
    </message>
    <message>
        <source>The %1 began %2 before the birth; a birth %3 earlier gives %4.</source>
        <translation>%1 का आरंभ जन्म से %2 पहले हुआ; %3 पहले का जन्म %4 देता है।</translation>
    </message>
    <message>
        <source>The %1 ends %2 after the birth; a birth %3 later gives %4.</source>
        <translation>%1 का अंत जन्म से %2 बाद होता है; %3 बाद का जन्म %4 देता है।</translation>
    </message>
    <message>
        <source>Both ayanamsas are the program&apos;s own formulas, within 7″ of Lahiri (Chitrapaksha) over 1901-2050; sunrise and sunset are those of the Sun&apos;s upper limb at -0°50′.</source>
        <translation>दोनों अयनांश इस प्रोग्राम के अपने सूत्र हैं, जो 1901-2050 में लाहिड़ी (चित्रपक्ष) से 7″ के भीतर रहते हैं; सूर्योदय और सूर्यास्त सूर्य के ऊपरी किनारे के -0°50′ पर होने के समय हैं।</translation>
    </message>
    <message>
        <source>Zone</source>
        <translation>समय क्षेत्र</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>स्थान</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>देशांतर</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>अक्षांश</translation>
    </message>
    <message>
        <source>Universal time</source>
        <translation>सार्वभौमिक समय</translation>
    </message>
    <message>
        <source>none valid</source>
        <translation>कोई मान्य नहीं</translation>
    </message>
    <message>
        <source> from universal time, summer time included</source>
        <translation> सार्वभौमिक समय से, ग्रीष्मकालीन समय सहित</translation>
    </message>
    <message>
        <source> from universal time, no summer time</source>
        <translation> सार्वभौमिक समय से, ग्रीष्मकालीन समय नहीं</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>चंद्र</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>सूर्य</translation>
    </message>
    <message>
        <source> pada </source>
        <translation> पद </translation>
    </message>
    <message>
        <source>, lord </source>
        <translation>, स्वामी </translation>
    </message>
    <message>
        <source>Ayanamsa</source>
        <translation>अयनांश</translation>
    </message>
    <message>
        <source> (nakshatra), </source>
        <translation> (नक्षत्र), </translation>
    </message>
    <message>
        <source> (panchang)</source>
        <translation> (पंचांग)</translation>
    </message>
    <message>
        <source>Sunrise</source>
        <translation>सूर्योदय</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>सूर्यास्त</translation>
    </message>
    <message>
        <source>Sunrise needs a valid latitude</source>
        <translation>सूर्योदय के लिए मान्य अक्षांश चाहिए</translation>
    </message>
    <message>
        <source>The Sun does not rise on this date at this latitude (polar night)</source>
        <translation>इस दिनांक को इस अक्षांश पर सूर्य उदय नहीं होता (ध्रुवीय रात्रि)</translation>
    </message>
    <message>
        <source>The Sun does not set on this date at this latitude (polar day)</source>
        <translation>इस दिनांक को इस अक्षांश पर सूर्य अस्त नहीं होता (ध्रुवीय दिवस)</translation>
    </message>
    <message>
        <source>The Sun sets but does not rise on this date at this latitude</source>
        <translation>इस दिनांक को इस अक्षांश पर सूर्य अस्त होता है पर उदय नहीं होता</translation>
    </message>
    <message>
        <source>The Sun rises but does not set on this date at this latitude</source>
        <translation>इस दिनांक को इस अक्षांश पर सूर्य उदय होता है पर अस्त नहीं होता</translation>
    </message>
    <message>
        <source>Tithi</source>
        <translation>तिथि</translation>
    </message>
    <message>
        <source>Vara</source>
        <translation>वार</translation>
    </message>
    <message>
        <source>Nakshatra</source>
        <translation>नक्षत्र</translation>
    </message>
    <message>
        <source>Yoga</source>
        <translation>योग</translation>
    </message>
    <message>
        <source>Karana</source>
        <translation>करण</translation>
    </message>
    <message>
        <source> to </source>
        <translation> – </translation>
    </message>
    <message>
        <source>Details</source>
        <translation>विवरण</translation>
    </message>
    <message>
        <source>years</source>
        <translation>वर्ष</translation>
    </message>
    <message>
        <source>months</source>
        <translation>माह</translation>
    </message>
    <message>
        <source>days</source>
        <translation>दिन</translation>
    </message>
    <message>
        <source>typed</source>
        <translation>टाइप किया गया</translation>
    </message>
    <message>
        <source>from the time-zone list</source>
        <translation>समय-क्षेत्र सूची से</translation>
    </message>
    <message>
        <source>from the atlas</source>
        <translation>एटलस से</translation>
    </message>
    <message>
        <source>from the atlas %1</source>
        <translation>एटलस से %1</translation>
    </message>
    <message>
        <source>from the chart file</source>
        <translation>चार्ट फ़ाइल से</translation>
    </message>
    <message>
        <source>clock standard</source>
        <translation>घड़ी मानक</translation>
    </message>
    <message>
        <source>%1 from UT = zone %2 and DST %3</source>
        <translation>UT से %1 = समय क्षेत्र %2 और DST %3</translation>
    </message>
    <message>
        <source>%1 from UT = zone %2, no DST</source>
        <translation>UT से %1 = समय क्षेत्र %2, DST नहीं</translation>
    </message>
    <message>
        <source>. DST adds summer time on top of the picked zone, whose row already holds its full offset</source>
        <translation>। DST चुने गए समय क्षेत्र के ऊपर ग्रीष्मकालीन समय जोड़ता है, जबकि उसकी पंक्ति में पूरा अंतर पहले से है</translation>
    </message>
    <message>
        <source>The zone or longitude boxes do not give an offset yet</source>
        <translation>समय क्षेत्र या देशांतर के खानों से अभी कोई अंतर नहीं बनता</translation>
    </message>
    <message>
        <source>summer time</source>
        <translation>ग्रीष्मकालीन समय</translation>
    </message>
    <message>
        <source>double summer time</source>
        <translation>दोहरा ग्रीष्मकालीन समय</translation>
    </message>
    <message>
        <source>summer time %1</source>
        <translation>ग्रीष्मकालीन समय %1</translation>
    </message>
    <message>
        <source>clock time skipped</source>
        <translation>घड़ी का यह समय छूट गया</translation>
    </message>
    <message>
        <source>clock time repeated</source>
        <translation>घड़ी का यह समय दोबारा आया</translation>
    </message>
    <message>
        <source>%1 did not exist on %2: the clocks went from %3 to %4; read at %4, the offset after the change (the other choice: earlier, at %3)</source>
        <translation>%2 को %1 का समय था ही नहीं: घड़ियाँ %3 से %4 हो गईं; %4 पर पढ़ा गया, जो बदलाव के बाद का अंतर है (दूसरा विकल्प: पहले वाला, %3 पर)</translation>
    </message>
    <message>
        <source>%1 did not exist on %2: the clocks went from %3 to %4; read at %3, the offset before the change (the other choice: later, at %4)</source>
        <translation>%2 को %1 का समय था ही नहीं: घड़ियाँ %3 से %4 हो गईं; %3 पर पढ़ा गया, जो बदलाव से पहले का अंतर है (दूसरा विकल्प: बाद वाला, %4 पर)</translation>
    </message>
    <message>
        <source>%1 came twice on %2, first at %3, then at %4; read as the later, at %4 (the other choice: earlier, at %3)</source>
        <translation>%2 को %1 दो बार आया, पहले %3 पर, फिर %4 पर; बाद वाला माना गया, %4 पर (दूसरा विकल्प: पहले वाला, %3 पर)</translation>
    </message>
    <message>
        <source>%1 came twice on %2, first at %3, then at %4; read as the earlier, at %3 (the other choice: later, at %4)</source>
        <translation>%2 को %1 दो बार आया, पहले %3 पर, फिर %4 पर; पहले वाला माना गया, %3 पर (दूसरा विकल्प: बाद वाला, %4 पर)</translation>
    </message>
    <message>
        <source>read on %1 (%2, %3, %4) instead of the tz database&apos;s %5; source: %6</source>
        <translation>tz डेटाबेस के %5 के स्थान पर %1 (%2, %3, %4) से पढ़ा गया; स्रोत: %6</translation>
    </message>
    <message>
        <source>the tz database&apos;s %1 applied; before 1956 a time here may have been read from another clock</source>
        <translation>tz डेटाबेस का %1 लागू किया गया; 1956 से पहले यहाँ का समय किसी दूसरी घड़ी से पढ़ा गया हो सकता है</translation>
    </message>
    <message>
        <source>Zone applied</source>
        <translation>लागू समय क्षेत्र</translation>
    </message>
    <message>
        <source>Clock note</source>
        <translation>घड़ी संबंधी टिप्पणी</translation>
    </message>
    <message>
        <source>Vimshottari dasha (one year = 365.25 days; dates in the birth&apos;s zone)</source>
        <translation>विंशोत्तरी दशा (एक वर्ष = 365.25 दिन; दिनांक जन्म के समय क्षेत्र में)</translation>
    </message>
    <message>
        <source>Balance at birth</source>
        <translation>जन्म के समय शेष</translation>
    </message>
    <message>
        <source>Mahadasha</source>
        <translation>महादशा</translation>
    </message>
    <message>
        <source>Antardasha</source>
        <translation>अंतर्दशा</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>आरंभ</translation>
    </message>
    <message>
        <source>End</source>
        <translation>अंत</translation>
    </message>
    <message>
        <source>before birth</source>
        <translation>जन्म से पहले</translation>
    </message>
    <message>
        <source>Varna</source>
        <translation>वर्ण</translation>
    </message>
    <message>
        <source>Vashya</source>
        <translation>वश्य</translation>
    </message>
    <message>
        <source>Tara</source>
        <translation>तारा</translation>
    </message>
    <message>
        <source>Yoni</source>
        <translation>योनि</translation>
    </message>
    <message>
        <source>Graha Maitri</source>
        <translation>ग्रह मैत्री</translation>
    </message>
    <message>
        <source>Gana</source>
        <translation>गण</translation>
    </message>
    <message>
        <source>Bhakoot</source>
        <translation>भकूट</translation>
    </message>
    <message>
        <source>Nadi</source>
        <translation>नाड़ी</translation>
    </message>
    <message>
        <source>temperament and work; the groom&apos;s varna at or above the bride&apos;s</source>
        <translation>स्वभाव और कर्म; वर का वर्ण वधू के वर्ण के बराबर या ऊपर</translation>
    </message>
    <message>
        <source>mutual attraction and give and take</source>
        <translation>परस्पर आकर्षण और लेन-देन</translation>
    </message>
    <message>
        <source>health and fortune, each star counted from the other</source>
        <translation>स्वास्थ्य और भाग्य, हर नक्षत्र दूसरे से गिना गया</translation>
    </message>
    <message>
        <source>physical and intimate accord</source>
        <translation>शारीरिक और अंतरंग सामंजस्य</translation>
    </message>
    <message>
        <source>friendship of the Moon signs&apos; lords: accord of minds</source>
        <translation>चंद्र राशियों के स्वामियों की मित्रता: मन का मेल</translation>
    </message>
    <message>
        <source>nature and temperament</source>
        <translation>प्रकृति और स्वभाव</translation>
    </message>
    <message>
        <source>welfare of the family, from the Moon signs&apos; distance</source>
        <translation>परिवार का कल्याण, चंद्र राशियों की दूरी से</translation>
    </message>
    <message>
        <source>health and children</source>
        <translation>स्वास्थ्य और संतान</translation>
    </message>
    <message>
        <source>Shudra</source>
        <translation>शूद्र</translation>
    </message>
    <message>
        <source>Vaishya</source>
        <translation>वैश्य</translation>
    </message>
    <message>
        <source>Kshatriya</source>
        <translation>क्षत्रिय</translation>
    </message>
    <message>
        <source>Brahmin</source>
        <translation>ब्राह्मण</translation>
    </message>
    <message>
        <source>Chatushpada</source>
        <translation>चतुष्पद</translation>
    </message>
    <message>
        <source>Manava</source>
        <translation>मानव</translation>
    </message>
    <message>
        <source>Jalachara</source>
        <translation>जलचर</translation>
    </message>
    <message>
        <source>Vanachara</source>
        <translation>वनचर</translation>
    </message>
    <message>
        <source>Keeta</source>
        <translation>कीट</translation>
    </message>
    <message>
        <source>Janma</source>
        <translation>जन्म</translation>
    </message>
    <message>
        <source>Sampat</source>
        <translation>सम्पत्</translation>
    </message>
    <message>
        <source>Vipat</source>
        <translation>विपत्</translation>
    </message>
    <message>
        <source>Kshema</source>
        <translation>क्षेम</translation>
    </message>
    <message>
        <source>Pratyak</source>
        <translation>प्रत्यक्</translation>
    </message>
    <message>
        <source>Sadhana</source>
        <translation>साधन</translation>
    </message>
    <message>
        <source>Naidhana</source>
        <translation>नैधन</translation>
    </message>
    <message>
        <source>Mitra</source>
        <translation>मित्र</translation>
    </message>
    <message>
        <source>Parama Mitra</source>
        <translation>परम मित्र</translation>
    </message>
    <message>
        <source>Horse</source>
        <translation>अश्व</translation>
    </message>
    <message>
        <source>Elephant</source>
        <translation>गज</translation>
    </message>
    <message>
        <source>Sheep</source>
        <translation>मेढ़ा</translation>
    </message>
    <message>
        <source>Serpent</source>
        <translation>सर्प</translation>
    </message>
    <message>
        <source>Dog</source>
        <translation>श्वान</translation>
    </message>
    <message>
        <source>Cat</source>
        <translation>मार्जार</translation>
    </message>
    <message>
        <source>Rat</source>
        <translation>मूषक</translation>
    </message>
    <message>
        <source>Cow</source>
        <translation>गौ</translation>
    </message>
    <message>
        <source>Buffalo</source>
        <translation>महिष</translation>
    </message>
    <message>
        <source>Tiger</source>
        <translation>व्याघ्र</translation>
    </message>
    <message>
        <source>Deer</source>
        <translation>मृग</translation>
    </message>
    <message>
        <source>Monkey</source>
        <translation>वानर</translation>
    </message>
    <message>
        <source>Mongoose</source>
        <translation>नकुल</translation>
    </message>
    <message>
        <source>Lion</source>
        <translation>सिंह</translation>
    </message>
    <message>
        <source>%1 (male)</source>
        <translation>%1 (नर)</translation>
    </message>
    <message>
        <source>%1 (female)</source>
        <translation>%1 (मादा)</translation>
    </message>
    <message>
        <source>Deva</source>
        <translation>देव</translation>
    </message>
    <message>
        <source>Manushya</source>
        <translation>मनुष्य</translation>
    </message>
    <message>
        <source>Rakshasa</source>
        <translation>राक्षस</translation>
    </message>
    <message>
        <source>Adi</source>
        <translation>आदि</translation>
    </message>
    <message>
        <source>Madhya</source>
        <translation>मध्य</translation>
    </message>
    <message>
        <source>Antya</source>
        <translation>अन्त्य</translation>
    </message>
    <message>
        <source>Pada</source>
        <translation>पद</translation>
    </message>
    <message>
        <source>Kati</source>
        <translation>कटि</translation>
    </message>
    <message>
        <source>Nabhi</source>
        <translation>नाभि</translation>
    </message>
    <message>
        <source>Kantha</source>
        <translation>कंठ</translation>
    </message>
    <message>
        <source>Shira</source>
        <translation>शिर</translation>
    </message>
    <message>
        <source> (holds for this pair)</source>
        <translation> (इस जोड़ी पर लागू)</translation>
    </message>
    <message>
        <source> (does not hold here)</source>
        <translation> (यहाँ लागू नहीं)</translation>
    </message>
    <message>
        <source>Nadi dosha</source>
        <translation>नाड़ी दोष</translation>
    </message>
    <message>
        <source>Bhakoot dosha</source>
        <translation>भकूट दोष</translation>
    </message>
    <message>
        <source>Gana dosha</source>
        <translation>गण दोष</translation>
    </message>
    <message>
        <source>both births are of %1 nadi</source>
        <translation>दोनों जन्म %1 नाड़ी के हैं</translation>
    </message>
    <message>
        <source>the Moon signs are %1/%2 from each other</source>
        <translation>चंद्र राशियाँ एक-दूसरे से %1/%2 हैं</translation>
    </message>
    <message>
        <source>a %1 birth with a %2 one</source>
        <translation>एक %1 जन्म के साथ एक %2 जन्म</translation>
    </message>
    <message>
        <source>cancelled by some texts when the star is one and the padas differ</source>
        <translation>कुछ ग्रंथों में निरस्त, जब नक्षत्र एक हो और पद भिन्न हों</translation>
    </message>
    <message>
        <source>cancelled by some texts when the sign is one and the stars differ</source>
        <translation>कुछ ग्रंथों में निरस्त, जब राशि एक हो और नक्षत्र भिन्न हों</translation>
    </message>
    <message>
        <source>cancelled by some texts when the star is one and the signs differ</source>
        <translation>कुछ ग्रंथों में निरस्त, जब नक्षत्र एक हो और राशियाँ भिन्न हों</translation>
    </message>
    <message>
        <source>softened by some texts when the Moon signs&apos; lords are one or friends</source>
        <translation>कुछ ग्रंथों में हल्का, जब चंद्र राशियों के स्वामी एक हों या मित्र हों</translation>
    </message>
    <message>
        <source>cancelled by some texts when the two signs have one lord</source>
        <translation>कुछ ग्रंथों में निरस्त, जब दोनों राशियों का स्वामी एक हो</translation>
    </message>
    <message>
        <source>cancelled by some texts when the signs&apos; lords are friends of each other</source>
        <translation>कुछ ग्रंथों में निरस्त, जब राशियों के स्वामी परस्पर मित्र हों</translation>
    </message>
    <message>
        <source>cancelled by some texts when the nadis differ</source>
        <translation>कुछ ग्रंथों में निरस्त, जब नाड़ियाँ भिन्न हों</translation>
    </message>
    <message>
        <source>cancelled by some texts when the Moon signs&apos; lords are one or friends</source>
        <translation>कुछ ग्रंथों में निरस्त, जब चंद्र राशियों के स्वामी एक हों या मित्र हों</translation>
    </message>
    <message>
        <source>cancelled by some texts when bhakoot is free of dosha</source>
        <translation>कुछ ग्रंथों में निरस्त, जब भकूट दोष से मुक्त हो</translation>
    </message>
    <message>
        <source>cancelled by some texts when the groom&apos;s star is beyond the 14th from the bride&apos;s</source>
        <translation>कुछ ग्रंथों में निरस्त, जब वर का नक्षत्र वधू के नक्षत्र से 14 के आगे हो</translation>
    </message>
    <message>
        <source>Dina</source>
        <translation>दिन</translation>
    </message>
    <message>
        <source>Mahendra</source>
        <translation>माहेन्द्र</translation>
    </message>
    <message>
        <source>Stree Deergha</source>
        <translation>स्त्री दीर्घ</translation>
    </message>
    <message>
        <source>Rasi</source>
        <translation>राशि</translation>
    </message>
    <message>
        <source>Rasyadhipati</source>
        <translation>राश्यधिपति</translation>
    </message>
    <message>
        <source>Vasya</source>
        <translation>वश्य</translation>
    </message>
    <message>
        <source>Rajju</source>
        <translation>रज्जु</translation>
    </message>
    <message>
        <source>Vedha</source>
        <translation>वेध</translation>
    </message>
    <message>
        <source>the groom&apos;s star is the %1 from the bride&apos;s</source>
        <translation>वधू के नक्षत्र से गिनती में वर का नक्षत्र %1 पर है</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 और %2</translation>
    </message>
    <message>
        <source>: 2, 4, 6, 8 or 9 by nines</source>
        <translation>: नौ-नौ की गिनती में 2, 4, 6, 8 या 9</translation>
    </message>
    <message>
        <source>: not 2, 4, 6, 8 or 9 by nines</source>
        <translation>: नौ-नौ की गिनती में 2, 4, 6, 8 या 9 नहीं</translation>
    </message>
    <message>
        <source>: one gana, or Deva with Manushya</source>
        <translation>: एक ही गण, या देव के साथ मनुष्य</translation>
    </message>
    <message>
        <source>: Rakshasa with another gana</source>
        <translation>: राक्षस के साथ दूसरा गण</translation>
    </message>
    <message>
        <source>: 4, 7, 10, 13, 16, 19, 22 or 25</source>
        <translation>: 4, 7, 10, 13, 16, 19, 22 या 25</translation>
    </message>
    <message>
        <source>: not 4, 7, 10, 13, 16, 19, 22 or 25</source>
        <translation>: 4, 7, 10, 13, 16, 19, 22 या 25 नहीं</translation>
    </message>
    <message>
        <source>: beyond the 13th</source>
        <translation>: 13 के आगे</translation>
    </message>
    <message>
        <source>: not beyond the 13th</source>
        <translation>: 13 के आगे नहीं</translation>
    </message>
    <message>
        <source>: not enemies</source>
        <translation>: शत्रु नहीं</translation>
    </message>
    <message>
        <source>: sworn enemies</source>
        <translation>: जन्मजात शत्रु</translation>
    </message>
    <message>
        <source>%1 is the %2 sign from %3</source>
        <translation>%3 से गिनती में %1 राशि %2 पर है</translation>
    </message>
    <message>
        <source>: the same sign or beyond the 6th</source>
        <translation>: एक ही राशि, या 6 के आगे</translation>
    </message>
    <message>
        <source>: 2nd to 6th</source>
        <translation>: 2 से 6 तक</translation>
    </message>
    <message>
        <source>both signs are ruled by %1</source>
        <translation>दोनों राशियों का स्वामी %1 है</translation>
    </message>
    <message>
        <source>%1 holds %2 %3, %4 holds %5 %6</source>
        <translation>%1 के लिए %2 %3, %4 के लिए %5 %6</translation>
    </message>
    <message>
        <source>friend</source>
        <translation>मित्र</translation>
    </message>
    <message>
        <source>neutral</source>
        <translation>सम</translation>
    </message>
    <message>
        <source>enemy</source>
        <translation>शत्रु</translation>
    </message>
    <message>
        <source>: no enmity</source>
        <translation>: शत्रुता नहीं</translation>
    </message>
    <message>
        <source>: enmity</source>
        <translation>: शत्रुता</translation>
    </message>
    <message>
        <source>: one sign is vasya to the other</source>
        <translation>: एक राशि दूसरी के वश्य है</translation>
    </message>
    <message>
        <source>: neither sign is vasya to the other</source>
        <translation>: कोई राशि दूसरी के वश्य नहीं</translation>
    </message>
    <message>
        <source>%1 and %2 rajju</source>
        <translation>%1 और %2 रज्जु</translation>
    </message>
    <message>
        <source>both stars are of %1 rajju</source>
        <translation>दोनों नक्षत्र %1 रज्जु के हैं</translation>
    </message>
    <message>
        <source>the stars do not obstruct each other</source>
        <translation>नक्षत्र एक-दूसरे का वेध नहीं करते</translation>
    </message>
    <message>
        <source>the stars obstruct each other</source>
        <translation>नक्षत्र एक-दूसरे का वेध करते हैं</translation>
    </message>
    <message>
        <source>Bride: %1</source>
        <translation>वधू: %1</translation>
    </message>
    <message>
        <source>Groom: %1</source>
        <translation>वर: %1</translation>
    </message>
    <message>
        <source>Ashtakoota (guna milan): %1</source>
        <translation>अष्टकूट (गुण मिलान): %1</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%2 में से %1</translation>
    </message>
    <message>
        <source>Doshas: none of nadi, bhakoot and gana</source>
        <translation>दोष: नाड़ी, भकूट और गण में से कोई नहीं</translation>
    </message>
    <message>
        <source>Dasha porutham: %1 of %2 agree</source>
        <translation>दशा पोरुत्तम: %2 में से %1 का मेल</translation>
    </message>
    <message>
        <source>agrees</source>
        <translation>मेल</translation>
    </message>
    <message>
        <source>does not</source>
        <translation>मेल नहीं</translation>
    </message>
    <message>
        <source>Birth star: %1</source>
        <translation>जन्म नक्षत्र: %1</translation>
    </message>
    <message>
        <source>Times on the clock at %1 from universal time</source>
        <translation>समय उस घड़ी के, जो सार्वत्रिक समय से %1 है</translation>
    </message>
    <message>
        <source>Tarabala</source>
        <translation>ताराबल</translation>
    </message>
    <message>
        <source>Chandrabala</source>
        <translation>चंद्रबल</translation>
    </message>
    <message>
        <source>%1 from birth</source>
        <translation>जन्म से %1</translation>
    </message>
    <message>
        <source>mixed</source>
        <translation>मिश्रित</translation>
    </message>
    <message>
        <source>favourable</source>
        <translation>शुभ</translation>
    </message>
    <message>
        <source>unfavourable</source>
        <translation>अशुभ</translation>
    </message>
    <message>
        <source>chandrashtama</source>
        <translation>चंद्राष्टम</translation>
    </message>
    <message>
        <source>Chandrashtama</source>
        <translation>चंद्राष्टम</translation>
    </message>
    <message>
        <source>yes, the Moon is in the 8th sign from the birth Moon during the day</source>
        <translation>हाँ, दिन में चंद्र जन्म के चंद्र से आठवीं राशि में आता है</translation>
    </message>
    <message>
        <source>no</source>
        <translation>नहीं</translation>
    </message>
    <message>
        <source>%1st</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>%1nd</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>%1rd</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>%1th</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>Panchang of %1 at %2</source>
        <translation>%1 का पंचांग, स्थान: %2</translation>
    </message>
    <message>
        <source>Times on the place&apos;s clock; the day runs from sunrise to the next sunrise.</source>
        <translation>समय स्थान की घड़ी के अनुसार; दिन सूर्योदय से अगले सूर्योदय तक चलता है।</translation>
    </message>
    <message>
        <source>Moonrise</source>
        <translation>चंद्रोदय</translation>
    </message>
    <message>
        <source>Moonset</source>
        <translation>चंद्रास्त</translation>
    </message>
    <message>
        <source>none this day</source>
        <translation>इस दिन नहीं</translation>
    </message>
    <message>
        <source>none</source>
        <translation>कोई नहीं</translation>
    </message>
    <message>
        <source>Rahu kalam</source>
        <translation>राहु काल</translation>
    </message>
    <message>
        <source>Yamaganda</source>
        <translation>यमगंड</translation>
    </message>
    <message>
        <source>Gulika kalam</source>
        <translation>गुलिक काल</translation>
    </message>
    <message>
        <source>Rahu kalam (night)</source>
        <translation>राहु काल (रात्रि)</translation>
    </message>
    <message>
        <source>Yamaganda (night)</source>
        <translation>यमगंड (रात्रि)</translation>
    </message>
    <message>
        <source>Gulika kalam (night)</source>
        <translation>गुलिक काल (रात्रि)</translation>
    </message>
    <message>
        <source>Abhijit muhurta</source>
        <translation>अभिजित मुहूर्त</translation>
    </message>
    <message>
        <source>Durmuhurta</source>
        <translation>दुर्मुहूर्त</translation>
    </message>
    <message>
        <source>Varjyam</source>
        <translation>वर्ज्य</translation>
    </message>
    <message>
        <source>Amrita kalam</source>
        <translation>अमृत काल</translation>
    </message>
    <message>
        <source>Choghadiya (day)</source>
        <translation>चौघड़िया (दिन)</translation>
    </message>
    <message>
        <source>Choghadiya (night)</source>
        <translation>चौघड़िया (रात्रि)</translation>
    </message>
    <message>
        <source>Hora</source>
        <translation>होरा</translation>
    </message>
    <message>
        <source>Sun&apos;s sign</source>
        <translation>सूर्य राशि</translation>
    </message>
    <message>
        <source>Sankranti</source>
        <translation>संक्रांति</translation>
    </message>
    <message>
        <source>Month (amanta)</source>
        <translation>मास (अमांत)</translation>
    </message>
    <message>
        <source>Month (purnimanta)</source>
        <translation>मास (पूर्णिमांत)</translation>
    </message>
    <message>
        <source>Paksha</source>
        <translation>पक्ष</translation>
    </message>
    <message>
        <source>Ritu</source>
        <translation>ऋतु</translation>
    </message>
    <message>
        <source>Ayana</source>
        <translation>अयन</translation>
    </message>
    <message>
        <source>Shaka year</source>
        <translation>शक संवत</translation>
    </message>
    <message>
        <source>Vikrama year</source>
        <translation>विक्रम संवत</translation>
    </message>
    <message>
        <source>Samvatsara</source>
        <translation>संवत्सर</translation>
    </message>
    <message>
        <source>adhika</source>
        <translation>अधिक</translation>
    </message>
    <message>
        <source>%1 begins</source>
        <translation>%1 आरंभ</translation>
    </message>
    <message>
        <source>Panchang of %1</source>
        <translation>%1 का पंचांग</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Amanta: %1 / Purnimanta: %2</source>
        <translation>अमांत: %1 / पूर्णिमांत: %2</translation>
    </message>
    <message>
        <source>Tithi and nakshatra at sunrise; Ekadashi by the tithi at sunrise (smarta).</source>
        <translation>सूर्योदय के समय की तिथि और नक्षत्र; एकादशी सूर्योदय की तिथि से (स्मार्त)।</translation>
    </message>
    <message>
        <source>Avoid / use</source>
        <translation>त्याज्य / शुभ</translation>
    </message>
    <message>
        <source>Rahu</source>
        <translation>राहु</translation>
    </message>
    <message>
        <source>Yama</source>
        <translation>यम</translation>
    </message>
    <message>
        <source>Gulika</source>
        <translation>गुलिक</translation>
    </message>
    <message>
        <source>Dur</source>
        <translation>दुर</translation>
    </message>
    <message>
        <source>Amrita</source>
        <translation>अमृत</translation>
    </message>
    <message>
        <source>Abhijit</source>
        <translation>अभिजित</translation>
    </message>
    <message>
        <source>N</source>
        <translation>उ</translation>
    </message>
    <message>
        <source>S</source>
        <translation>द</translation>
    </message>
    <message>
        <source>E</source>
        <translation>पू</translation>
    </message>
    <message>
        <source>W</source>
        <translation>प</translation>
    </message>
    <message>
        <source>tz database</source>
        <translation>tz डेटाबेस</translation>
    </message>
    <message>
        <source>Bombay Time</source>
        <translation>बंबई समय</translation>
    </message>
    <message>
        <source>Calcutta Time</source>
        <translation>कलकत्ता समय</translation>
    </message>
    <message>
        <source>Madras (railway) time</source>
        <translation>मद्रास (रेलवे) समय</translation>
    </message>
    <message>
        <source>War time</source>
        <translation>युद्धकालीन समय</translation>
    </message>
    <message>
        <source>Local mean time</source>
        <translation>स्थानीय माध्य समय</translation>
    </message>
    <message>
        <source>the zone&apos;s history</source>
        <translation>समय क्षेत्र का इतिहास</translation>
    </message>
    <message>
        <source>Bombay and its suburbs</source>
        <translation>बंबई और उसके उपनगर</translation>
    </message>
    <message>
        <source>Kolkata and Howrah</source>
        <translation>कोलकाता और हावड़ा</translation>
    </message>
    <message>
        <source>railways and telegraphs of British India</source>
        <translation>ब्रिटिश भारत की रेलवे और तार सेवाएँ</translation>
    </message>
    <message>
        <source>British India</source>
        <translation>ब्रिटिश भारत</translation>
    </message>
    <message>
        <source>any place, from its longitude</source>
        <translation>कोई भी स्थान, उसके देशांतर से</translation>
    </message>
    <message>
        <source>Offset before the change</source>
        <translation>बदलाव से पहले का अंतर</translation>
    </message>
    <message>
        <source>Offset after the change</source>
        <translation>बदलाव के बाद का अंतर</translation>
    </message>
    <message>
        <source>Earlier (first) time</source>
        <translation>पहले वाला (प्रथम) समय</translation>
    </message>
    <message>
        <source>Later (second) time</source>
        <translation>बाद वाला (दूसरा) समय</translation>
    </message>
    <message>
        <source>at the change of the clocks</source>
        <translation>घड़ियों के बदलाव पर</translation>
    </message>
    <message>
        <source>until %1</source>
        <translation>%1 तक</translation>
    </message>
    <message>
        <source>not computed</source>
        <translation>गणना नहीं हुई</translation>
    </message>
    <message>
        <source>no name changes</source>
        <translation>कोई नाम नहीं बदलता</translation>
    </message>
    <message>
        <source>; dasha balance %1 months</source>
        <translation>; दशा शेष %1 माह</translation>
    </message>
    <message>
        <source>pada</source>
        <translation>पद</translation>
    </message>
    <message>
        <source>Birth chart</source>
        <translation>जन्म कुंडली</translation>
    </message>
    <message>
        <source>Divisional charts (sign of each point)</source>
        <translation>वर्ग कुंडलियाँ (हर बिंदु की राशि)</translation>
    </message>
    <message>
        <source>Signs by number:</source>
        <translation>राशियाँ क्रमांक से:</translation>
    </message>
    <message>
        <source>Point</source>
        <translation>बिंदु</translation>
    </message>
    <message>
        <source>Sign</source>
        <translation>राशि</translation>
    </message>
    <message>
        <source>In sign</source>
        <translation>राशि में</translation>
    </message>
    <message>
        <source>Lord</source>
        <translation>स्वामी</translation>
    </message>
    <message>
        <source>House</source>
        <translation>भाव</translation>
    </message>
    <message>
        <source>Speed/day</source>
        <translation>गति/दिन</translation>
    </message>
    <message>
        <source>Lagna   needs the birth&apos;s latitude: no lagna and no houses.</source>
        <translation>लग्न    के लिए जन्म स्थान का अक्षांश चाहिए: न लग्न, न भाव।</translation>
    </message>
    <message>
        <source>Ayanamsa %1 %2, Rahu from the %3 node, ephemeris: Swiss Ephemeris data files</source>
        <translation>अयनांश %1 %2, राहु %3 पात से, पंचांग सारणी: स्विस एफ़ेमेरिस की डेटा फ़ाइलें</translation>
    </message>
    <message>
        <source>Ayanamsa %1 %2, Rahu from the %3 node, ephemeris: built-in analytic theory (data files not found)</source>
        <translation>अयनांश %1 %2, राहु %3 पात से, पंचांग सारणी: अंतर्निहित विश्लेषणात्मक सिद्धांत (डेटा फ़ाइलें नहीं मिलीं)</translation>
    </message>
    <message>
        <source>mean</source>
        <translation>माध्य</translation>
    </message>
    <message>
        <source>true</source>
        <translation>सत्य</translation>
    </message>
    <message>
        <source>Lahiri</source>
        <translation>लाहिड़ी</translation>
    </message>
    <message>
        <source>Lahiri ICRC</source>
        <translation>लाहिड़ी ICRC</translation>
    </message>
    <message>
        <source>Krishnamurti</source>
        <translation>कृष्णमूर्ति</translation>
    </message>
    <message>
        <source>Raman</source>
        <translation>रमन</translation>
    </message>
    <message>
        <source>True Chitra</source>
        <translation>सत्य चित्रा</translation>
    </message>
    <message>
        <source>Yukteshwar</source>
        <translation>युक्तेश्वर</translation>
    </message>
    <message>
        <source>Fagan-Bradley</source>
        <translation>फ़ैगन-ब्रैडली</translation>
    </message>
    <message>
        <source>The chart&apos;s Moon (Swiss Ephemeris, %1) at %2 stands in %3, while the reading&apos;s own Moon at %4 stands in %5: the birth nakshatra and dasha follow the reading&apos;s Moon.</source>
        <translation>कुंडली का चंद्र (स्विस एफ़ेमेरिस, %1) %2 पर %3 में है, जबकि फल का अपना चंद्र %4 पर %5 में है: जन्म नक्षत्र और दशा फल के चंद्र का अनुसरण करते हैं।</translation>
    </message>
</context>
<context>
    <name>RecentCharts</name>
    <message>
        <source>(no name)</source>
        <translation>(बिना नाम)</translation>
    </message>
</context>
<context>
    <name>SquareChart</name>
    <message>
        <source> — no lagna without a latitude</source>
        <translation> — अक्षांश के बिना लग्न नहीं</translation>
    </message>
</context>
<context>
    <name>StarDayPage</name>
    <message>
        <source>Da&amp;te:</source>
        <translation>दिनांक(&amp;T):</translation>
    </message>
    <message>
        <source>yyyy-MM-dd</source>
        <translation>yyyy-MM-dd</translation>
    </message>
</context>
<context>
    <name>StartUp</name>
    <message>
        <source>There maybe an update to this software available
Do you want to check for an update?</source>
        <translation>इस सॉफ़्टवेयर का नया संस्करण उपलब्ध हो सकता है
क्या आप अद्यतन देखना चाहते हैं?</translation>
    </message>
    <message>
        <source>Application is already running</source>
        <translation>प्रोग्राम पहले से चल रहा है</translation>
    </message>
    <message>
        <source>Something that is no lock stands at %1 and cannot be removed (%2). Remove it, then start the program again.</source>
        <translation>%1 पर कुछ ऐसा रखा है जो लॉक नहीं है और हटाया नहीं जा सकता (%2)। उसे हटाकर प्रोग्राम फिर से शुरू करें।</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Zorvane</source>
        <translation>Zorvane</translation>
    </message>
    <message>
        <source>Zorvane is a remarkable and an accurate program which finds your Yoga based on your date of birth. It gives a detailed interpretation about yourself on the basis of the Yoga you belong to, tells you about your positive and negative characteristic traits and helps you to improve yourself for the better.</source>
        <translation>Zorvane एक उल्लेखनीय और सटीक प्रोग्राम है जो आपकी जन्मतिथि के आधार पर आपका योग ज्ञात करता है। यह आपके योग के आधार पर आपके विषय में विस्तृत व्याख्या देता है, आपके गुणों और दोषों के बारे में बताता है और स्वयं को बेहतर बनाने में आपकी सहायता करता है।</translation>
    </message>
    <message>
        <source>Click here to visit www.example.com</source>
        <translation>www.example.com पर जाने के लिए यहाँ क्लिक करें</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>घर से व्यवसाय का अवसर। अपना इंटरनेट व्यवसाय शुरू करें और ऑनलाइन कमाएँ। यह सॉफ़्टवेयर अपनी वेबसाइट के ब्रांड के साथ पूरी तरह पाएँ।</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>अधिक जानकारी के लिए यहाँ क्लिक करें</translation>
    </message>
    <message>
        <source>The atlas&apos;s places come from GeoNames (www.geonames.org), under the Creative Commons Attribution 4.0 licence (CC BY 4.0).</source>
        <translation>एटलस के स्थान GeoNames (www.geonames.org) से, Creative Commons Attribution 4.0 लाइसेंस (CC BY 4.0) के अंतर्गत लिए गए हैं।</translation>
    </message>
    <message>
        <source>Zorvane is free software under the GNU Affero General Public License, version 3 or later (AGPL-3.0-or-later); its charts use the Swiss Ephemeris (AGPL-3.0).</source>
        <translation>Zorvane GNU Affero General Public License, संस्करण 3 या बाद के (AGPL-3.0-or-later) अंतर्गत मुक्त सॉफ़्टवेयर है; इसकी कुंडलियाँ Swiss Ephemeris (AGPL-3.0) का उपयोग करती हैं।</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ठीक है</translation>
    </message>
    <message>
        <source>Click here to visit </source>
        <translation>देखने के लिए यहाँ क्लिक करें: </translation>
    </message>
</context>
<context>
    <name>frmAtlas</name>
    <message>
        <source>Zorvane</source>
        <translation>Zorvane</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>स्थान</translation>
    </message>
    <message>
        <source>State</source>
        <translation>राज्य</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>देश</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>अक्षांश</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>देशांतर</translation>
    </message>
    <message>
        <source>Time zone</source>
        <translation>समय क्षेत्र</translation>
    </message>
    <message>
        <source>Offset</source>
        <translation>अंतर</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>टिप्पणी</translation>
    </message>
    <message>
        <source>&amp;Use this place</source>
        <translation>यह स्थान लें(&amp;U)</translation>
    </message>
    <message>
        <source>Search the &amp;web</source>
        <translation>वेब पर खोजें(&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>बंद करें(&amp;C)</translation>
    </message>
    <message>
        <source>Use this place writes %1 and %2</source>
        <translation>&quot;यह स्थान लें&quot; %1 और %2 लिखता है</translation>
    </message>
    <message>
        <source>, the zone %1 h %2 min</source>
        <translation>, समय क्षेत्र %1 घं %2 मि</translation>
    </message>
    <message>
        <source> and ticks DST</source>
        <translation> और DST चुनता है</translation>
    </message>
    <message>
        <source> and leaves DST unticked</source>
        <translation> और DST नहीं चुनता</translation>
    </message>
    <message>
        <source>The atlas could not be read (%1). Press “Search the web” to look the place up on the web.</source>
        <translation>एटलस पढ़ा नहीं जा सका (%1)। स्थान वेब पर खोजने के लिए “वेब पर खोजें” दबाएँ।</translation>
    </message>
    <message>
        <source>No place called %1 is in the atlas. Check the spelling, or press “Search the web” to look it up on the web.</source>
        <translation>%1 नाम का कोई स्थान एटलस में नहीं है। वर्तनी जाँचें, या वेब पर खोजने के लिए “वेब पर खोजें” दबाएँ।</translation>
    </message>
    <message>
        <source>The %1 likeliest of %2 places are listed. </source>
        <translation>%2 स्थानों में से सबसे संभावित %1 दिखाए गए हैं। </translation>
    </message>
    <message>
        <source>Choose a place and press “Use this place”.</source>
        <translation>एक स्थान चुनें और “यह स्थान लें” दबाएँ।</translation>
    </message>
    <message>
        <source>%1 is another name of %2. </source>
        <translation>%1, %2 का दूसरा नाम है। </translation>
    </message>
    <message>
        <source>Places found for %1, with their offsets from universal time on %2 at %3. </source>
        <translation>%1 के लिए मिले स्थान, %2 को %3 बजे सार्वभौमिक समय से उनके अंतर के साथ। </translation>
    </message>
    <message>
        <source>Places found for %1. The birth date chosen is not a real date, so no offset is shown and the zone is left as it is. </source>
        <translation>%1 के लिए मिले स्थान। चुना गया जन्म दिनांक वास्तविक दिनांक नहीं है, इसलिए कोई अंतर नहीं दिखाया गया और समय क्षेत्र जैसा था वैसा ही छोड़ा गया है। </translation>
    </message>
</context>
<context>
    <name>frmClockChoice</name>
    <message>
        <source>Zorvane</source>
        <translation>Zorvane</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>घड़ी</translation>
    </message>
    <message>
        <source>Offset</source>
        <translation>अंतर</translation>
    </message>
    <message>
        <source>Years</source>
        <translation>वर्ष</translation>
    </message>
    <message>
        <source>Where</source>
        <translation>कहाँ</translation>
    </message>
    <message>
        <source>What it changes</source>
        <translation>क्या बदलता है</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>स्रोत</translation>
    </message>
    <message>
        <source>&amp;Use this clock</source>
        <translation>यह घड़ी &amp;अपनाएँ</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>रद्द करें</translation>
    </message>
</context>
<context>
    <name>frmDetails</name>
    <message>
        <source>Birth Details</source>
        <translation>जन्म विवरण</translation>
    </message>
    <message>
        <source>&amp;Birth Details</source>
        <translation>जन्म विवरण(&amp;B)</translation>
    </message>
    <message>
        <source>Birth as applied</source>
        <translation>गणना में लिया गया जन्म</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>दिनांक:</translation>
    </message>
    <message>
        <source>Clock time:</source>
        <translation>घड़ी का समय:</translation>
    </message>
    <message>
        <source>Zone:</source>
        <translation>समय क्षेत्र:</translation>
    </message>
    <message>
        <source>Longitude:</source>
        <translation>देशांतर:</translation>
    </message>
    <message>
        <source>Latitude:</source>
        <translation>अक्षांश:</translation>
    </message>
    <message>
        <source>Universal time:</source>
        <translation>सार्वभौमिक समय:</translation>
    </message>
    <message>
        <source>Sidereal places</source>
        <translation>निरयण स्थितियाँ</translation>
    </message>
    <message>
        <source>Ayanamsa of the nakshatra:</source>
        <translation>नक्षत्र का अयनांश:</translation>
    </message>
    <message>
        <source>Ayanamsa of the panchang:</source>
        <translation>पंचांग का अयनांश:</translation>
    </message>
    <message>
        <source>Moon:</source>
        <translation>चंद्र:</translation>
    </message>
    <message>
        <source>Nakshatra:</source>
        <translation>नक्षत्र:</translation>
    </message>
    <message>
        <source>Sun:</source>
        <translation>सूर्य:</translation>
    </message>
    <message>
        <source>Tithi</source>
        <translation>तिथि</translation>
    </message>
    <message>
        <source>Vara</source>
        <translation>वार</translation>
    </message>
    <message>
        <source>Nakshatra</source>
        <translation>नक्षत्र</translation>
    </message>
    <message>
        <source>Yoga</source>
        <translation>योग</translation>
    </message>
    <message>
        <source>Karana</source>
        <translation>करण</translation>
    </message>
    <message>
        <source>Limb</source>
        <translation>अंग</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>नाम</translation>
    </message>
    <message>
        <source>Starts</source>
        <translation>आरंभ</translation>
    </message>
    <message>
        <source>Ends</source>
        <translation>समाप्ति</translation>
    </message>
    <message>
        <source>Sunrise and sunset at the birth place</source>
        <translation>जन्म स्थान पर सूर्योदय और सूर्यास्त</translation>
    </message>
    <message>
        <source>Sunrise:</source>
        <translation>सूर्योदय:</translation>
    </message>
    <message>
        <source>Sunset:</source>
        <translation>सूर्यास्त:</translation>
    </message>
    <message>
        <source>&amp;Dasha</source>
        <translation>दशा(&amp;D)</translation>
    </message>
    <message>
        <source>Balance at birth:</source>
        <translation>जन्म के समय शेष:</translation>
    </message>
    <message>
        <source>Lord</source>
        <translation>स्वामी</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>टिप्पणी</translation>
    </message>
    <message>
        <source>One year is taken as 365.25 days; dates are in the birth&apos;s zone. Each period opens into its sub-periods.</source>
        <translation>एक वर्ष 365.25 दिन का लिया गया है; दिनांक जन्म के समय क्षेत्र के हैं। प्रत्येक दशा अपनी अंतर्दशाओं में खुलती है।</translation>
    </message>
    <message>
        <source>&amp;Wheel</source>
        <translation>चक्र(&amp;W)</translation>
    </message>
    <message>
        <source>Save &amp;Picture…</source>
        <translation>चित्र सहेजें(&amp;P)…</translation>
    </message>
    <message>
        <source>Char&amp;t</source>
        <translation>कुंडली(&amp;T)</translation>
    </message>
    <message>
        <source>Pa&amp;nchang of the Day…</source>
        <translation>दिन का पंचांग(&amp;N)…</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>बंद करें(&amp;C)</translation>
    </message>
    <message>
        <source>running today</source>
        <translation>आज चल रही</translation>
    </message>
    <message>
        <source>before birth</source>
        <translation>जन्म से पहले</translation>
    </message>
    <message>
        <source>Day for the &amp;Star</source>
        <translation>नक्षत्र का दिन(&amp;S)</translation>
    </message>
    <message>
        <source>No limb begins or ends within %1 minutes of the birth.</source>
        <translation>जन्म के %1 मिनट के भीतर कोई अंग आरंभ या समाप्त नहीं होता।</translation>
    </message>
    <message>
        <source>Save Picture</source>
        <translation>चित्र सहेजें</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>PNG चित्र (*.png)</translation>
    </message>
    <message>
        <source>The picture could not be saved to %1.</source>
        <translation>चित्र %1 में सहेजा नहीं जा सका।</translation>
    </message>
    <message>
        <source>Clock:</source>
        <translation>घड़ी:</translation>
    </message>
</context>
<context>
    <name>frmHelp</name>
    <message>
        <source>Zorvane Help</source>
        <translation>Zorvane सहायता</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>विषय-सूची(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>पीछे(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>आगे(&amp;F)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>बंद करें</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Zorvane</source>
        <translation>Zorvane</translation>
    </message>
    <message>
        <source>Join our discussion forum on astrology at www.example.com</source>
        <translation>ज्योतिष पर हमारे चर्चा मंच से जुड़ें: www.example.com</translation>
    </message>
    <message>
        <source>Zorvane calculates your birth yoga or varnoy yoga. “Yoga&quot; means an &quot;union&quot; or &quot;relationship&quot; or angle between the longitudes of the sun and the moon. They are also known as Yoga Taras of Nakshatras (Birth Star). Yogas help in finding out the auspiciousness of the day.</source>
        <translation>Zorvane आपका जन्म योग या वर्णय योग ज्ञात करता है। “योग” का अर्थ है सूर्य और चंद्र के भोगांशों के बीच का &quot;मेल&quot;, &quot;संबंध&quot; या कोण। इन्हें नक्षत्रों (जन्म नक्षत्र) के योगतारा भी कहा जाता है। योग दिन की शुभता जानने में सहायक होते हैं।</translation>
    </message>
    <message>
        <source>&amp;Open Previously Saved Reading</source>
        <translation>पहले सहेजा गया फल खोलें(&amp;O)</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>नाम:</translation>
    </message>
    <message>
        <source>Birth Day:</source>
        <translation>जन्म दिनांक:</translation>
    </message>
    <message>
        <source>Birth Time:</source>
        <translation>जन्म समय:</translation>
    </message>
    <message>
        <source>HH/MM/SS</source>
        <translation>घं/मि/से</translation>
    </message>
    <message>
        <source>The zone and offset the atlas applied for the birth date and clock time. Typing into a zone box or changing DST sets your own.</source>
        <translation>जन्म दिनांक और घड़ी के समय के लिए एटलस द्वारा लगाया गया समय क्षेत्र और अंतर। समय क्षेत्र के खाने में लिखने या DST बदलने से आपका अपना मान लागू होता है।</translation>
    </message>
    <message>
        <source>Time Zone</source>
        <translation>समय क्षेत्र</translation>
    </message>
    <message>
        <source>A zone hour typed with + lies ahead of universal time (east of Greenwich); without +, the zone&apos;s direction follows the longitude&apos;s East/West choice.</source>
        <translation>+ के साथ लिखा गया क्षेत्र-घंटा सार्वभौमिक समय से आगे (ग्रीनविच के पूर्व) होता है; + के बिना क्षेत्र की दिशा देशांतर के पूर्व/पश्चिम चुनाव के अनुसार होती है।</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>घंटा</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>मिनट</translation>
    </message>
    <message>
        <source>DST</source>
        <translation>DST</translation>
    </message>
    <message>
        <source>TZ Help</source>
        <translation>TZ सहायता</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>अक्षांश</translation>
    </message>
    <message>
        <source>DEG/MIN</source>
        <translation>अंश/कला</translation>
    </message>
    <message>
        <source>North</source>
        <translation>उत्तर</translation>
    </message>
    <message>
        <source>South</source>
        <translation>दक्षिण</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>देशांतर</translation>
    </message>
    <message>
        <source>East</source>
        <translation>पूर्व</translation>
    </message>
    <message>
        <source>West</source>
        <translation>पश्चिम</translation>
    </message>
    <message>
        <source>City:</source>
        <translation>नगर:</translation>
    </message>
    <message>
        <source>State:</source>
        <translation>राज्य:</translation>
    </message>
    <message>
        <source>Country:</source>
        <translation>देश:</translation>
    </message>
    <message>
        <source>Click here to
find Latitude
&amp;&amp; Longitude</source>
        <translation>अक्षांश और देशांतर
जानने के लिए
यहाँ क्लिक करें</translation>
    </message>
    <message>
        <source>Find My Varnoy &amp;Yoga</source>
        <translation>मेरा वर्णय योग जानें(&amp;Y)</translation>
    </message>
    <message>
        <source>Varnoy Yoga</source>
        <translation>वर्णय योग</translation>
    </message>
    <message>
        <source>Yoga Name</source>
        <translation>योग का नाम</translation>
    </message>
    <message>
        <source>Nakshatra Details</source>
        <translation>नक्षत्र विवरण</translation>
    </message>
    <message>
        <source>Nakshatra Name</source>
        <translation>नक्षत्र का नाम</translation>
    </message>
    <message>
        <source>Details need a calculation: press Find My Varnoy Yoga first.</source>
        <translation>विवरण के लिए गणना चाहिए: पहले &quot;मेरा वर्णय योग जानें&quot; दबाएँ।</translation>
    </message>
    <message>
        <source>&amp;Details</source>
        <translation>विवरण(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>सहेजें(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>पीछे(&amp;B)</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>घर से व्यवसाय का अवसर। अपना इंटरनेट व्यवसाय शुरू करें और ऑनलाइन कमाएँ। यह सॉफ़्टवेयर अपनी वेबसाइट के ब्रांड के साथ पूरी तरह पाएँ। अधिक जानकारी के लिए यहाँ क्लिक करें।</translation>
    </message>
    <message>
        <source>Co-brand this software for your site and increase the loyalty of your visitors and the traffic to your site. Put your site&apos;s name &amp; link here (see &quot;Help&quot; for details). Click here for more info on co-branding.</source>
        <translation>इस सॉफ़्टवेयर को अपनी साइट के साथ सह-ब्रांड करें और अपने आगंतुकों की निष्ठा और साइट पर आवागमन बढ़ाएँ। अपनी साइट का नाम और लिंक यहाँ लगाएँ (विवरण &quot;सहायता&quot; में)। सह-ब्रांडिंग की अधिक जानकारी के लिए यहाँ क्लिक करें।</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>फ़ाइल(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Recent Charts</source>
        <translation>हाल की कुंडलियाँ(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>सहायता(&amp;H)</translation>
    </message>
    <message>
        <source>Find My &amp;Yoga</source>
        <translation>मेरा योग जानें(&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;Panchang…</source>
        <translation>पंचांग(&amp;P)…</translation>
    </message>
    <message>
        <source>&amp;Match…</source>
        <translation>मिलान(&amp;M)…</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>बाहर निकलें(&amp;E)</translation>
    </message>
    <message>
        <source>Save Chart &amp;As…</source>
        <translation>कुंडली इस रूप में सहेजें(&amp;A)…</translation>
    </message>
    <message>
        <source>Open &amp;Chart…</source>
        <translation>कुंडली खोलें(&amp;C)…</translation>
    </message>
    <message>
        <source>Ctrl+C</source>
        <translation>Ctrl+C</translation>
    </message>
    <message>
        <source>Copy Reading</source>
        <translation>फल कॉपी करें</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>छापें(&amp;P)…</translation>
    </message>
    <message>
        <source>E&amp;xport PDF…</source>
        <translation>PDF निर्यात करें(&amp;X)…</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>विषय-सूची(&amp;C)</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>ऑनलाइन सहायता(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>हमारी वेबसाइट देखें(&amp;V)</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>सॉफ़्टवेयर अद्यतन देखें(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>सॉफ़्टवेयर के बारे में(&amp;A)</translation>
    </message>
    <message>
        <source>Donate</source>
        <translation>दान करें</translation>
    </message>
    <message>
        <source>Make Money &amp;Online</source>
        <translation>ऑनलाइन कमाएँ(&amp;O)</translation>
    </message>
    <message>
        <source>A saved reading holds only its two names, not the birth: enter the birth and press Find My Varnoy Yoga to see its details.</source>
        <translation>सहेजे गए फल में केवल दो नाम होते हैं, जन्म नहीं: विवरण देखने के लिए जन्म भरें और &quot;मेरा वर्णय योग जानें&quot; दबाएँ।</translation>
    </message>
    <message>
        <source>Birth details and dasha of this reading</source>
        <translation>इस फल का जन्म विवरण और दशा</translation>
    </message>
    <message>
        <source>Join our discussion forum on astrology at </source>
        <translation>ज्योतिष पर हमारे चर्चा मंच से जुड़ें: </translation>
    </message>
    <message>
        <source>Please Check The File.</source>
        <translation>कृपया फ़ाइल जाँचें।</translation>
    </message>
    <message>
        <source>The reading could not be saved to %1: %2.</source>
        <translation>फल %1 में सहेजा नहीं जा सका: %2।</translation>
    </message>
    <message>
        <source>Select the source file</source>
        <translation>स्रोत फ़ाइल चुनें</translation>
    </message>
    <message>
        <source>The reading could not be read from %1: %2.</source>
        <translation>फल %1 से पढ़ा नहीं जा सका: %2।</translation>
    </message>
    <message>
        <source>Save Chart As</source>
        <translation>कुंडली इस रूप में सहेजें</translation>
    </message>
    <message>
        <source>Open Chart</source>
        <translation>कुंडली खोलें</translation>
    </message>
    <message>
        <source>The chart %1 is no longer there, so it has been taken off Recent Charts.</source>
        <translation>कुंडली %1 अब वहाँ नहीं है, इसलिए उसे हाल की कुंडलियों से हटा दिया गया है।</translation>
    </message>
    <message>
        <source>The report could not be printed.</source>
        <translation>रिपोर्ट छापी नहीं जा सकी।</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>PDF निर्यात करें</translation>
    </message>
    <message>
        <source>The report could not be saved to %1: %2.</source>
        <translation>रिपोर्ट %1 में सहेजी नहीं जा सकी: %2।</translation>
    </message>
</context>
<context>
    <name>frmMatch</name>
    <message>
        <source>Match</source>
        <translation>मिलान</translation>
    </message>
    <message>
        <source>Bride</source>
        <translation>वधू</translation>
    </message>
    <message>
        <source>Nakshatra:</source>
        <translation>नक्षत्र:</translation>
    </message>
    <message>
        <source>Pada:</source>
        <translation>पद:</translation>
    </message>
    <message>
        <source>Open Chart…</source>
        <translation>कुंडली खोलें…</translation>
    </message>
    <message>
        <source>Current Reading</source>
        <translation>वर्तमान फल</translation>
    </message>
    <message>
        <source>Typed</source>
        <translation>लिखा हुआ</translation>
    </message>
    <message>
        <source>Groom</source>
        <translation>वर</translation>
    </message>
    <message>
        <source>Ashtakoota (guna milan)</source>
        <translation>अष्टकूट (गुण मिलान)</translation>
    </message>
    <message>
        <source>Dasha porutham</source>
        <translation>दशा पोरुत्तम</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>कॉपी करें(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>छापें(&amp;P)…</translation>
    </message>
    <message>
        <source>E&amp;xport PDF…</source>
        <translation>PDF निर्यात करें(&amp;X)…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>बंद करें</translation>
    </message>
    <message>
        <source>Recent Charts</source>
        <translation>हाल की कुंडलियाँ</translation>
    </message>
    <message>
        <source>No reading has been calculated</source>
        <translation>अभी कोई गणना नहीं हुई है</translation>
    </message>
    <message>
        <source>Koota</source>
        <translation>कूट</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>अंक</translation>
    </message>
    <message>
        <source>Meaning</source>
        <translation>अर्थ</translation>
    </message>
    <message>
        <source>Porutham</source>
        <translation>पोरुत्तम</translation>
    </message>
    <message>
        <source>Agrees</source>
        <translation>मेल</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>कारण</translation>
    </message>
    <message>
        <source>Open Chart</source>
        <translation>कुंडली खोलें</translation>
    </message>
    <message>
        <source>No nadi, bhakoot or gana dosha.</source>
        <translation>कोई नाड़ी, भकूट या गण दोष नहीं।</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>हाँ</translation>
    </message>
    <message>
        <source>No</source>
        <translation>नहीं</translation>
    </message>
    <message>
        <source>Bride&apos;s birth: %1
Groom&apos;s birth: %2

</source>
        <translation>वधू का जन्म: %1
वर का जन्म: %2

</translation>
    </message>
    <message>
        <source>The match could not be printed.</source>
        <translation>मिलान छापा नहीं जा सका।</translation>
    </message>
    <message>
        <source>Export Match as PDF</source>
        <translation>मिलान PDF के रूप में निर्यात करें</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation>PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The match could not be written to </source>
        <translation>मिलान यहाँ लिखा नहीं जा सका: </translation>
    </message>
    <message>
        <source>: </source>
        <translation>: </translation>
    </message>
    <message>
        <source>the current reading</source>
        <translation>वर्तमान फल</translation>
    </message>
    <message>
        <source>%1, the current reading</source>
        <translation>%1, वर्तमान फल</translation>
    </message>
    <message>
        <source>%1 holds a reading that is refused: %2</source>
        <translation>%1 में ऐसा फल है जो अस्वीकार किया गया: %2</translation>
    </message>
    <message>
        <source>%1 has no birth nakshatra.</source>
        <translation>%1 में जन्म नक्षत्र नहीं है।</translation>
    </message>
    <message>
        <source>from %1</source>
        <translation>%1 से</translation>
    </message>
    <message>
        <source>%1, from %2</source>
        <translation>%1, %2 से</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%2 में से %1</translation>
    </message>
    <message>
        <source>Total: %1 of %2</source>
        <translation>कुल: %2 में से %1</translation>
    </message>
    <message>
        <source>%1 of %2 agree</source>
        <translation>%2 में से %1 का मेल</translation>
    </message>
    <message>
        <source>Zorvane match</source>
        <translation>Zorvane मिलान</translation>
    </message>
</context>
<context>
    <name>frmPanchang</name>
    <message>
        <source>Panchang</source>
        <translation>पंचांग</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>दिनांक:</translation>
    </message>
    <message>
        <source>&lt;</source>
        <translation>&lt;</translation>
    </message>
    <message>
        <source>The day before</source>
        <translation>पिछला दिन</translation>
    </message>
    <message>
        <source>d MMMM yyyy</source>
        <translation>d MMMM yyyy</translation>
    </message>
    <message>
        <source>&gt;</source>
        <translation>&gt;</translation>
    </message>
    <message>
        <source>The day after</source>
        <translation>अगला दिन</translation>
    </message>
    <message>
        <source>&amp;Today</source>
        <translation>आज(&amp;T)</translation>
    </message>
    <message>
        <source>Place:</source>
        <translation>स्थान:</translation>
    </message>
    <message>
        <source>City[, state][, country]</source>
        <translation>नगर[, राज्य][, देश]</translation>
    </message>
    <message>
        <source>&amp;Find</source>
        <translation>खोजें(&amp;F)</translation>
    </message>
    <message>
        <source>Reading&apos;s &amp;place</source>
        <translation>फल का स्थान(&amp;P)</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>दिन</translation>
    </message>
    <message>
        <source>What</source>
        <translation>क्या</translation>
    </message>
    <message>
        <source>When / value</source>
        <translation>कब / मान</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>मास</translation>
    </message>
    <message>
        <source>The month before</source>
        <translation>पिछला मास</translation>
    </message>
    <message>
        <source>The month after</source>
        <translation>अगला मास</translation>
    </message>
    <message>
        <source>Ravivara</source>
        <translation>रविवार</translation>
    </message>
    <message>
        <source>Somavara</source>
        <translation>सोमवार</translation>
    </message>
    <message>
        <source>Mangalavara</source>
        <translation>मंगलवार</translation>
    </message>
    <message>
        <source>Budhavara</source>
        <translation>बुधवार</translation>
    </message>
    <message>
        <source>Guruvara</source>
        <translation>गुरुवार</translation>
    </message>
    <message>
        <source>Shukravara</source>
        <translation>शुक्रवार</translation>
    </message>
    <message>
        <source>Shanivara</source>
        <translation>शनिवार</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>कॉपी करें(&amp;C)</translation>
    </message>
    <message>
        <source>P&amp;rint...</source>
        <translation>छापें(&amp;R)...</translation>
    </message>
    <message>
        <source>Export P&amp;DF...</source>
        <translation>PDF निर्यात करें(&amp;D)...</translation>
    </message>
    <message>
        <source>Export Year (&amp;ICS)...</source>
        <translation>वर्ष निर्यात करें (&amp;ICS)...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>बंद करें</translation>
    </message>
    <message>
        <source>The Sun does not rise here on this day (polar night).</source>
        <translation>इस दिन यहाँ सूर्य उदय नहीं होता (ध्रुवीय रात्रि)।</translation>
    </message>
    <message>
        <source>The Sun does not set here on this day (polar day).</source>
        <translation>इस दिन यहाँ सूर्य अस्त नहीं होता (ध्रुवीय दिवस)।</translation>
    </message>
    <message>
        <source>The Sun does not both rise and set here on this day.</source>
        <translation>इस दिन यहाँ सूर्य का उदय और अस्त दोनों नहीं होते।</translation>
    </message>
    <message>
        <source>The reading&apos;s place</source>
        <translation>फल का स्थान</translation>
    </message>
    <message>
        <source>The atlas could not be read.</source>
        <translation>एटलस पढ़ा नहीं जा सका।</translation>
    </message>
    <message>
        <source>No place called &quot;%1&quot; is in the atlas.</source>
        <translation>&quot;%1&quot; नाम का कोई स्थान एटलस में नहीं है।</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>PDF निर्यात करें</translation>
    </message>
    <message>
        <source>The PDF could not be written to %1: %2.</source>
        <translation>PDF %1 में लिखी नहीं जा सकी: %2।</translation>
    </message>
    <message>
        <source>Export the year&apos;s events</source>
        <translation>वर्ष की घटनाएँ निर्यात करें</translation>
    </message>
    <message>
        <source>The calendar could not be written to %1: %2.</source>
        <translation>कैलेंडर %1 में लिखा नहीं जा सका: %2।</translation>
    </message>
</context>
<context>
    <name>frmTimeZone</name>
    <message>
        <source>Zorvane</source>
        <translation>Zorvane</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>बंद करें(&amp;Q)</translation>
    </message>
    <message>
        <source>Filter: name, abbreviation or offset (Down to the list)</source>
        <translation>छानें: नाम, संक्षेप या अंतर (सूची के लिए नीचे का तीर)</translation>
    </message>
</context>
<context>
    <name>zorvane::LanguageMenu</name>
    <message>
        <source>&amp;Language</source>
        <translation>भाषा / &amp;Language</translation>
    </message>
</context>
</TS>
