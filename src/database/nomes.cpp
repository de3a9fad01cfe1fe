#include "database/nomes.h"

#include <array>
#include <string_view>
#include <utility>
#include <vector>

#include "model/texto.h"

namespace tarvello {
namespace {

using Lista = std::vector<std::string_view>;

struct TDadosIdioma {
    Lista nome1, nome2;    // first name = one of each
    Lista sobre1, sobre2;  // surname = one of each
    Lista lugar1, lugar2;  // town = one of each
    // Club name templates, short and full: '%' is the town.
    std::vector<std::pair<std::string_view, std::string_view>> clubes;
    // Stadium templates: '%' is the town, '@' a person's name.
    Lista estadios;
    int apelido = 0;  // percent of players known by one name only
};

const TDadosIdioma& dados(Idioma i) {
    static const std::array<TDadosIdioma, 22> tabela = [] {
        std::array<TDadosIdioma, 22> t;
        t[static_cast<int>(Idioma::PortuguesBR)] = {
            {"Ro", "Val", "Ed", "Jo", "Ri", "Fa", "Lu", "Ge", "Ad", "Cle", "Dan", "Ma", "Wel", "Ju", "Tar", "Ed", "Ni", "Ar"},
            {"naldo", "ílson", "son", "ércio", "ão", "inho", "ano", "uel", "ério", "ário", "andro", "imar", "ton", "ismar", "ivaldo", "elino"},
            {"Bar", "Cor", "Fer", "Mon", "Pe", "Quei", "Tor", "Vas", "Al", "San", "Mar", "Ro", "Ca", "Ma", "Go", "Bra", "Li", "Nas"},
            {"reira", "tes", "rão", "galves", "ado", "roz", "minho", "ches", "cedo", "alho", "teiro", "ago", "ares", "ino", "dim", "cimento"},
            {"Ita", "Ara", "Cam", "Pira", "Jaca", "Bara", "Mara", "Tau", "Ibi", "Gua", "Cara", "Ju", "Ipa", "Tupi", "Coti", "Itu"},
            {"baí", "tuba", "piranga", "rema", "quara", "poã", "nema", "tiba", "nhém", "ú", "raci", "mbé", "rana", "tinga", "guaçu", "jaí"},
            {{"Atlético %", "Clube Atlético %"}, {"Esporte %", "Esporte Clube %"}, {"União %", "União Esportiva %"},
             {"Sport %", "Sport Club %"}, {"América %", "América Futebol Clube %"}, {"Operário %", "Operário F. C. %"},
             {"Ferroviário %", "Associação Ferroviária %"}, {"%", "Sociedade Esportiva %"}, {"Independente %", "Independente F. C. %"},
             {"Cruzeiro %", "Cruzeiro Esporte Clube %"}, {"Guarani %", "Guarani Futebol Clube %"}, {"Ypiranga %", "Ypiranga Clube %"}},
            {"Estádio @", "Arena %", "Estádio Municipal de %", "Estádio @"},
            30};
        t[static_cast<int>(Idioma::PortuguesPT)] = {
            {"Ru", "Jo", "Tia", "Nu", "Hél", "Fi", "Ar", "Ma", "Vas", "Du", "Gon", "Lou"},
            {"i", "ão", "go", "no", "der", "pe", "mando", "rco", "co", "arte", "çalo", "renço"},
            {"Car", "Fon", "Mo", "Pin", "Sal", "Ta", "Va", "Quin", "Ro", "Ber", "Lo", "Ga"},
            {"valho", "seca", "reira", "heiro", "gado", "vares", "rela", "tela", "drigues", "nardes", "bato", "mes"},
            {"Vila ", "Santa ", "Al", "Bra", "Es", "Fa", "Mi", "Ou", "Pe", "Tor", "Val", "Sou"},
            {"mada", "rães", "tremoz", "mião", "randela", "rém", "nafiel", "res", "ongo", "lheiros", "sel", "gueira"},
            {{"Sporting %", "Sporting Clube de %"}, {"FC %", "Futebol Clube de %"}, {"Académico %", "Académico de %"},
             {"Desportivo %", "Grupo Desportivo de %"}, {"União %", "União Desportiva de %"}, {"Vitória %", "Vitória Sport Clube %"}},
            {"Estádio Municipal de %", "Estádio @", "Estádio do %"},
            5};
        t[static_cast<int>(Idioma::Espanhol)] = {
            {"Ma", "Jo", "Die", "Ser", "Ra", "Fe", "Gon", "Ni", "Pa", "Ja", "Ro", "Lu", "Ed", "Cris", "Ig", "Ma"},
            {"tías", "sé", "go", "gio", "miro", "derico", "zalo", "colás", "blo", "vier", "drigo", "cas", "uardo", "tian", "nacio", "riano"},
            {"Gar", "Fer", "Mar", "Rod", "Ló", "Sán", "Val", "Al", "Cas", "Qui", "Bal", "Men", "Ot", "Ri", "Ur", "Za"},
            {"ciarena", "rández", "tinelli", "rigo", "pez", "chez", "derrama", "maraz", "tellano", "roga", "bín", "doza", "amendi", "quelme", "ibe", "vala"},
            {"San ", "Villa ", "Puerto ", "Cor", "Mar", "Val", "Tal", "Que", "Ri", "Sal", "Bel", "Lo", "Ca", "Al"},
            {"ada", "illo", "ena", "oca", "anca", "ejo", "uria", "aga", "ares", "osa", "era", "onda", "ito", "ayo"},
            {{"Atlético %", "Club Atlético %"}, {"Deportivo %", "Club Deportivo %"}, {"Racing %", "Racing Club %"},
             {"Unión %", "Unión Deportiva %"}, {"Sporting %", "Sporting Club %"}, {"Real %", "Real Club %"},
             {"%", "Club Social y Deportivo %"}, {"Juventud %", "Club Juventud %"}, {"Independiente %", "Club Independiente %"}},
            {"Estadio @", "Estadio Municipal %", "Estadio de %"},
            3};
        t[static_cast<int>(Idioma::Italiano)] = {
            {"Ales", "Fa", "Mar", "Gian", "Lo", "Ri", "Fran", "Da", "Ste", "Mas", "Pa", "Car"},
            {"sandro", "brizio", "co", "luca", "renzo", "ccardo", "cesco", "niele", "fano", "simo", "olo", "lo"},
            {"Ber", "Fer", "Ca", "Ros", "Mar", "Gal", "Tor", "Bo", "Ma", "Del", "Ru", "Si"},
            {"nardini", "raresi", "nnavaro", "setti", "chetti", "lorini", "tora", "nucci", "ldini", "vecchio", "ggeri", "monetti"},
            {"Bor", "Cas", "Mon", "Val", "Ter", "Lu", "Pie", "Ro", "Ca", "Sa", "Fe", "Ven"},
            {"ago", "ello", "ona", "ino", "ara", "ezia", "etta", "iano", "uzzo", "ento", "ola", "ese"},
            {{"%", "Associazione Calcio %"}, {"AC %", "Associazione Calcio %"}, {"US %", "Unione Sportiva %"},
             {"Sporting %", "Sporting Club %"}, {"Virtus %", "Virtus %"}, {"Pro %", "Pro % Calcio"}},
            {"Stadio @", "Stadio Comunale %", "Stadio %"},
            0};
        t[static_cast<int>(Idioma::Alemao)] = {
            {"Lu", "Ma", "Jo", "Ste", "Tho", "Se", "Kar", "Ul", "Die", "Flo", "Ber", "Wer"},
            {"kas", "rkus", "nas", "fan", "mas", "bastian", "sten", "rich", "ter", "rian", "nd", "ner"},
            {"Schwein", "Hof", "Kra", "Mül", "Wag", "Bau", "Schu", "Kel", "Brau", "Zim", "Leh", "Wol"},
            {"steiger", "mann", "mer", "ler", "ner", "er", "bert", "ling", "nhofer", "mermann", "berg", "frath"},
            {"Ober", "Nie", "Wal", "Hoh", "Alt", "Stein", "Ros", "Lin", "Neu", "Grün", "Fal", "Eich"},
            {"burg", "hausen", "dorf", "feld", "heim", "stadt", "bach", "berg", "hagen", "ingen", "au", "see"},
            {{"FC %", "1. FC %"}, {"SV %", "Sportverein %"}, {"VfB %", "VfB %"}, {"TSV %", "TSV %"},
             {"Eintracht %", "Eintracht %"}, {"Fortuna %", "Fortuna %"}, {"SC %", "Sportclub %"}},
            {"@-Stadion", "%-Arena", "Stadion %"},
            0};
        t[static_cast<int>(Idioma::Frances)] = {
            {"Thi", "Ju", "Ma", "Oli", "An", "Ni", "Ber", "Lau", "Clé", "Ra", "Yo", "Fré"},
            {"erry", "lien", "thieu", "vier", "toine", "colas", "nard", "rent", "ment", "phaël", "ann", "déric"},
            {"Du", "Le", "Ro", "Mar", "Ber", "Fon", "Gi", "La", "Mo", "Cha", "Bou", "Per"},
            {"bois", "fèvre", "bert", "chand", "trand", "taine", "rard", "combe", "reau", "puis", "langer", "rin"},
            {"Mont", "Beau", "Ver", "Char", "Cla", "Sain", "Lan", "Ro", "Mar", "Ven", "Bour", "Châ"},
            {"ville", "mont", "lieu", "bonne", "gnac", "teau", "ais", "ère", "ac", "oise", "ange", "enne"},
            {{"FC %", "Football Club %"}, {"AS %", "Association Sportive %"}, {"Olympique %", "Olympique %"},
             {"Stade %", "Stade %"}, {"Racing %", "Racing Club %"}, {"US %", "Union Sportive %"}},
            {"Stade @", "Stade Municipal %", "Stade de %"},
            0};
        t[static_cast<int>(Idioma::Ingles)] = {
            {"Ja", "Mi", "Da", "Ste", "Ro", "Chris", "Ty", "Ha", "Wes", "Gra", "Ol", "Ja"},
            {"mes", "chael", "vid", "ven", "bert", "topher", "ler", "rry", "ley", "ham", "iver", "ke"},
            {"Ash", "Brad", "Cart", "Dun", "Fair", "Hol", "Kings", "Mor", "Pres", "Thorn", "Whit", "Sted"},
            {"ley", "shaw", "wright", "ford", "cloth", "ton", "by", "gan", "cott", "hill", "field", "man"},
            {"Ash", "Brad", "Chel", "Dun", "Elm", "Fair", "Glen", "Hal", "Kings", "Lang", "Nor", "Red", "Stan", "Thorn", "Wes"},
            {"ford", "bury", "ton", "ham", "field", "wick", "mouth", "ley", "worth", "bridge", "stead", "pool", "dale", "gate"},
            {{"% United", "% United FC"}, {"% City", "% City FC"}, {"% Town", "% Town FC"}, {"% Rovers", "% Rovers FC"},
             {"% Athletic", "% Athletic FC"}, {"% Wanderers", "% Wanderers FC"}, {"% Albion", "% Albion FC"}, {"% County", "% County FC"}},
            {"% Park", "@ Ground", "% Road", "@ Stadium"},
            0};
        t[static_cast<int>(Idioma::Holandes)] = {
            {"Ja", "Pie", "Ruud", "Wes", "Ar", "Dirk", "Bram", "Ste", "Kees", "Joost"},
            {"n", "ter", "", "ley", "jen", "", "", "fan", "", ""},
            {"van ", "de ", "van der ", "", "Ver", "Bak", "Jan", "Smeu", "Dek", "Vis"},
            {"Berg", "Vries", "Linden", "Meer", "hoeven", "ker", "sen", "lders", "kers", "ser", "Dijk", "Wal"},
            {"Zwa", "Dor", "Lee", "Hel", "Ven", "Gro", "Ut", "Ber", "Ap", "Del"},
            {"ndam", "recht", "hoven", "ingen", "lo", "veen", "wijk", "meer", "horst", "dijk"},
            {{"FC %", "Football Club %"}, {"SC %", "Sportclub %"}, {"VV %", "Voetbalvereniging %"}, {"% Boys", "% Boys"}},
            {"Stadion %", "@ Stadion", "%-Park"},
            0};
        t[static_cast<int>(Idioma::Eslavo)] = {
            {"Ale", "Dmi", "Ser", "Ivan", "Mi", "Pa", "Ni", "Bo", "Vla", "Mar", "Ste", "To"},
            {"ksandr", "tri", "gei", "", "ro", "vel", "kola", "ris", "dimir", "ko", "fan", "mas"},
            {"Pet", "Iva", "Ko", "No", "Sme", "Vol", "Kra", "Mar", "Po", "Zhu", "Dra", "Bel"},
            {"rov", "novic", "valski", "vak", "tanin", "kov", "sic", "enko", "povic", "kin", "gan", "anov"},
            {"Bel", "Nov", "Kra", "Zla", "Pol", "Dob", "Vel", "Star", "Mir", "Lub", "Kos", "Tor"},
            {"grad", "ovo", "ica", "nik", "sk", "ava", "ets", "ograd", "ansk", "opol", "ino", "ovac"},
            {{"FK %", "Fudbalski Klub %"}, {"Dinamo %", "Dinamo %"}, {"Lokomotiv %", "Lokomotiv %"},
             {"Spartak %", "Spartak %"}, {"Slavia %", "Slavia %"}, {"Metalurg %", "Metalurg %"}},
            {"Stadion %", "Stadion @", "Gradski Stadion %"},
            0};
        t[static_cast<int>(Idioma::Nordico)] = {
            {"Lars", "Nils", "Erik", "Mag", "Hen", "Ol", "Ste", "Jo", "Kas", "Bjør"},
            {"", "", "", "nus", "rik", "af", "ffen", "nas", "per", "n"},
            {"Lund", "Berg", "Jo", "Niel", "Ander", "Holm", "Dahl", "Sand", "Ek", "Strand"},
            {"qvist", "gren", "hansen", "sen", "sson", "berg", "ström", "vik", "lund", "by"},
            {"Hel", "Ska", "Nor", "Lund", "Öst", "Bjør", "Frö", "Hal", "Kal", "Tro"},
            {"by", "vik", "holm", "stad", "sund", "borg", "rup", "heim", "fors", "köping"},
            {{"% IF", "% Idrottsförening"}, {"% FK", "% Fotballklubb"}, {"% BK", "% Boldklub"}, {"IK %", "Idrottsklubben %"}},
            {"% Stadion", "@ Arena", "%vallen"},
            0};
        t[static_cast<int>(Idioma::Turco)] = {
            {"Mu", "Ha", "Em", "Bur", "Ser", "Ar", "Vol", "Tol", "Ke", "Sel"},
            {"rat", "kan", "re", "ak", "dar", "da", "kan", "ga", "rem", "çuk"},
            {"Yil", "Kara", "Ak", "Öz", "Çe", "Ay", "Sa", "Er", "Tek", "Gü"},
            {"maz", "kaya", "soy", "türk", "lik", "din", "hin", "dem", "in", "nes"},
            {"Kara", "Ak", "Göz", "Bur", "Ay", "Ada", "Kay", "Sa", "Er", "Te"},
            {"kent", "dere", "yurt", "köy", "tas", "ova", "bahçe", "hisar", "pinar", "pe"},
            {{"%spor", "% Spor Kulübü"}, {"% Belediye", "% Belediyespor"}, {"% Gençlik", "% Gençlikspor"}},
            {"% Stadi", "@ Stadi"},
            0};
        t[static_cast<int>(Idioma::Grego)] = {
            {"Yia", "Dim", "Kos", "Nik", "Ge", "Va", "Thanas", "Sta", "Chris", "Pa"},
            {"nnis", "itris", "tas", "os", "orgios", "silis", "is", "vros", "tos", "nos"},
            {"Pap", "Kara", "Geor", "Alex", "Nik", "Kon", "Sta", "Vla", "Mav", "Dim"},
            {"adopoulos", "gounis", "giou", "iou", "olaidis", "stantinou", "thopoulos", "chos", "ridis", "akis"},
            {"Ath", "Pla", "Kal", "Ther", "Lar", "Kor", "Mes", "Xan", "Kav", "Ios"},
            {"ikos", "ia", "ada", "ina", "ona", "ama", "opolis", "itsa", "ini", "ala"},
            {{"% FC", "% Football Club"}, {"Aris %", "Aris %"}, {"Atromitos %", "Atromitos %"}, {"Iraklis %", "Iraklis %"}},
            {"Stadio %", "Stadio @"},
            0};
        t[static_cast<int>(Idioma::Romeno)] = {
            {"Ad", "Ci", "Flo", "Ga", "Io", "Mi", "Ra", "Vla", "Co", "Bog"},
            {"rian", "prian", "rin", "briel", "nel", "hai", "du", "d", "stel", "dan"},
            {"Po", "Ni", "Stoi", "Du", "Ma", "Con", "Radu", "Mun", "Ta", "Lu"},
            {"pescu", "colae", "chita", "mitru", "rin", "stantin", "lescu", "teanu", "nase", "pu"},
            {"Bra", "Ti", "Cra", "Plo", "Ar", "Si", "Pi", "Con", "Ba", "Su"},
            {"sov", "mara", "iova", "iesti", "ad", "biu", "testi", "stanta", "cau", "ceava"},
            {{"FC %", "Fotbal Club %"}, {"CS %", "Clubul Sportiv %"}, {"Sportul %", "Sportul %"}, {"Unirea %", "Unirea %"}},
            {"Stadionul %", "Stadionul @"},
            0};
        t[static_cast<int>(Idioma::Hungaro)] = {
            {"Zol", "Ba", "Ist", "La", "Gá", "Pé", "Ti", "Ák"},
            {"tán", "lázs", "ván", "jos", "bor", "ter", "bor", "os"},
            {"Nagy", "Ko", "Sza", "Hor", "Var", "Kis", "Mol", "Tó"},
            {"", "vács", "bó", "váth", "ga", "s", "nár", "th"},
            {"Debre", "Kecs", "Szol", "Nyír", "Pé", "Gyo", "Mis", "Sze", "Eger", "Tata"},
            {"cen", "kemét", "nok", "háza", "csvár", "rfalu", "kolc", "ged", "vár", "falva"},
            {{"% FC", "% Futball Club"}, {"% SE", "% Sport Egyesület"}, {"Vasas %", "Vasas %"}},
            {"% Stadion", "@ Stadion"},
            0};
        t[static_cast<int>(Idioma::Arabe)] = {
            {"Mo", "Ah", "Kha", "Yo", "Sa", "Ha", "Ab", "Ka", "Mus", "Ta"},
            {"hamed", "med", "led", "ussef", "lem", "mza", "del", "rim", "tafa", "rek"},
            {"Al ", "El ", "Ben ", "", "Ha", "Ma", "Sa", "Ka"},
            {"Ghamdi", "Masri", "Amrani", "Shahri", "ddad", "nsour", "idi", "mal", "Tounsi", "Harbi"},
            {"Al ", "", "", "Ka", "Ra", "Ja", "Sha", "Ta", "Ma", "Fa", "Da", "Za", "Qa"},
            {"bir", "shid", "ddah", "riqa", "ifa", "rsa", "rah", "mam", "wiya", "dir"},
            {{"Al %", "Al % Club"}, {"% SC", "% Sporting Club"}, {"Ittihad %", "Al Ittihad %"}, {"Nahda %", "Al Nahda %"}},
            {"Estádio %", "@ Stadium", "% Stadium"},
            0};
        t[static_cast<int>(Idioma::Japones)] = {
            {"Hi", "Ta", "Ke", "Yu", "Shin", "Dai", "Ko", "Ma", "Ryo", "Sho"},
            {"roshi", "kashi", "nji", "ki", "ji", "suke", "ta", "sato", "ta", "go"},
            {"Naka", "Yama", "Ta", "Ka", "Sa", "Mo", "Hase", "Fuji", "Ino", "Ito"},
            {"mura", "moto", "naka", "wada", "saki", "ri", "gawa", "ta", "ue", "da"},
            {"Kawa", "Yama", "Naga", "Fuji", "Taka", "Mizu", "Hiro", "Oka", "Shima", "Kita"},
            {"saki", "moto", "hara", "shima", "oka", "no", "da", "zawa", "yama", "gawa"},
            {{"% FC", "% Football Club"}, {"% SC", "% Sports Club"}, {"% United", "% United"}},
            {"% Stadium", "% Arena"},
            0};
        t[static_cast<int>(Idioma::Coreano)] = {
            {"Ji", "Min", "Seung", "Dong", "Sung", "Hyun", "Jae", "Young"},
            {"-sung", "-jun", "-woo", "-gook", "-min", "-soo", "-hyun", "-pyo"},
            {"Kim", "Lee", "Park", "Choi", "Jung", "Kang", "Yoon", "Han"},
            {""},
            {"Bu", "Dae", "Gwang", "Su", "In", "Ul", "Jeon", "Pyeong", "Cheong", "Gim"},
            {"san", "gu", "ju", "won", "cheon", "ryeong", "yang", "hae", "po", "taek"},
            {{"% FC", "% Football Club"}, {"% Hyundai", "% Hyundai FC"}, {"% Citizen", "% Citizen FC"}},
            {"% Stadium", "% World Cup Stadium"},
            0};
        t[static_cast<int>(Idioma::Chines)] = {
            {"Li", "Wang", "Zhang", "Liu", "Chen", "Yang", "Zhao", "Huang", "Zhou", "Wu"},
            {""},
            {"Wei", "Lei", "Jun", "Hao", "Peng", "Tao", "Ming", "Qiang", "Bo", "Yi"},
            {"", "", "jie", "long", "fei", "", "hui", "", "wen", "xin"},
            {"Shan", "Xi", "Nan", "Bei", "Qing", "Tian", "Hang", "Chang", "Da", "Guang"},
            {"yang", "zhou", "jing", "hai", "dao", "lin", "sha", "ning", "chuan", "tai"},
            {{"% FC", "% Football Club"}, {"% Taishan", "% Taishan FC"}, {"% Shenhua", "% Shenhua"}},
            {"% Stadium", "% Olympic Stadium"},
            0};
        t[static_cast<int>(Idioma::Africano)] = {
            {"Ema", "Sam", "Ko", "Obi", "Chi", "Ade", "Kwa", "Yaw", "Mam", "Ise"},
            {"nuel", "uel", "fi", "nna", "di", "mola", "me", "ba", "adou", "ka"},
            {"Okon", "Ade", "Mensa", "Eto", "Owu", "Nwa", "Ba", "Kou", "Diaw", "Tou"},
            {"kwo", "yemi", "h", "mbi", "su", "nko", "kary", "assi", "ara", "ré"},
            {"Abe", "Ilo", "Ogo", "Kuma", "Ena", "Aku", "Tema", "Oni", "Ibe", "Kano"},
            {"kuta", "rin", "mosho", "si", "gu", "re", "wa", "ado", "ja", "ta"},
            {{"% United", "% United FC"}, {"% Stars", "% Stars FC"}, {"% Rangers", "% Rangers FC"}, {"Enyimba %", "Enyimba %"}},
            {"% Stadium", "@ Stadium"},
            0};
        t[static_cast<int>(Idioma::Persa)] = {
            {"Ali", "Mehdi", "Reza", "Ja", "Ma", "Kar", "Sa", "Hos"},
            {"", "", "", "vad", "soud", "im", "eed", "sein"},
            {"Kari", "Rezai", "Hos", "Ne", "Dai", "Mah", "Ta", "Ja"},
            {"mi", "an", "seini", "kounam", "ei", "davi", "remi", "hani"},
            {"Esfa", "Shi", "Tab", "Ker", "Ham", "Qaz", "Yaz", "Ara", "Sa", "Bo"},
            {"han", "raz", "riz", "man", "edan", "vin", "d", "k", "ri", "jnurd"},
            {{"% FC", "% Football Club"}, {"Sepah %", "Sepah %"}, {"Esteghlal %", "Esteghlal %"}},
            {"% Stadium", "@ Stadium"},
            0};
        t[static_cast<int>(Idioma::Hebraico)] = {
            {"Yos", "Eli", "Ami", "Da", "Ye", "Ta", "Ro", "Av"},
            {"si", "ran", "r", "vid", "hoshua", "l", "nen", "i"},
            {"Ben ", "Co", "Le", "Ba", "Mi", "Sha", "Ka", "Pe"},
            {"Haim", "hen", "vi", "rak", "zrahi", "lom", "tz", "retz"},
            {"Ra", "Pe", "Ne", "Ash", "Her", "Be", "Ki", "Ha", "Yav", "Ti"},
            {"anana", "tah", "tanya", "dod", "zliya", "er", "ryat", "dera", "ne", "beria"},
            {{"Hapoel %", "Hapoel %"}, {"Maccabi %", "Maccabi %"}, {"Beitar %", "Beitar %"}, {"Bnei %", "Bnei %"}},
            {"% Stadium", "@ Stadium"},
            0};
        t[static_cast<int>(Idioma::Georgiano)] = {
            {"Gi", "Le", "Da", "Zu", "Ma", "Ni", "Ka", "Le"},
            {"orgi", "vani", "vit", "rab", "muka", "ka", "kha", "ri"},
            {"Kvara", "Meli", "Gel", "Ka", "Be", "Lo", "Mi", "Tsi"},
            {"tskhelia", "kidze", "ashvili", "ladze", "ridze", "bava", "tava", "tsadze"},
            {"Ba", "Ku", "Zu", "Te", "Go", "Po", "Sam", "Rus", "Mar", "Kha"},
            {"tumi", "taisi", "gdidi", "lavi", "ri", "ti", "tredia", "tavi", "neuli", "shuri"},
            {{"Dinamo %", "Dinamo %"}, {"Torpedo %", "Torpedo %"}, {"FC %", "Football Club %"}},
            {"% Stadium", "@ Arena"},
            0};
        return t;
    }();
    return tabela[static_cast<int>(i)];
}

std::string_view escolhe(Aleatorio& a, const Lista& l) { return l[static_cast<size_t>(a.sorteia(static_cast<int>(l.size())))]; }

size_t tamanhocp(const std::string& s) { return utf8paraCp1252(s).size(); }

std::string substitui(std::string_view modelo, const std::string& lugar, const std::string& pessoa) {
    std::string s;
    for (char c : modelo) {
        if (c == '%') {
            s += lugar;
        } else if (c == '@') {
            s += pessoa;
        } else {
            s += c;
        }
    }
    return s;
}

std::string juntapalavra(std::string_view a, std::string_view b) {
    std::string s(a);
    // "van " + "Berg" keeps its capital; a plain syllable joins in lower case.
    s += b;
    return s;
}

}  // namespace

Idioma idiomade(int pais) {
    switch (pais) {
        case 29: return Idioma::PortuguesBR;
        case 154: case 5: case 133: case 35: case 82: case 167: return Idioma::PortuguesPT;
        case 11: case 195: case 150: case 46: case 42: case 60: case 26: case 151: case 198: case 131: case 65:
        case 51: case 86: case 79: case 58: case 139: case 147: case 53: case 158: case 83:
            return Idioma::Espanhol;
        case 104: case 164: return Idioma::Italiano;
        case 3: case 15: case 180: case 118: return Idioma::Alemao;
        case 72: case 21: case 169: case 50: case 36: case 135: case 127: case 73: case 81: case 23: case 187:
        case 47: case 157: case 84:
            return Idioma::Frances;
        case 97: case 62: case 68: case 38: case 14: case 143: case 100: case 101: case 145: case 106: case 189:
            return Idioma::Ingles;
        case 85: return Idioma::Holandes;
        case 162: case 193: case 171: case 52: case 31: case 159: case 63: case 152: case 25: case 27: case 64:
        case 105: case 122:
            return Idioma::Eslavo;
        case 179: case 142: case 54: case 70: case 102: case 92: return Idioma::Nordico;
        case 192: return Idioma::Turco;
        case 78: case 44: return Idioma::Grego;
        case 160: case 134: return Idioma::Romeno;
        case 88: return Idioma::Hungaro;
        case 9: case 57: case 129: case 190: case 10: case 39: case 59: case 108: case 111: case 99: case 174:
        case 115: case 116: case 144: case 18:
            return Idioma::Arabe;
        case 107: return Idioma::Japones;
        case 49: case 48: return Idioma::Coreano;
        case 43: case 185: case 87: return Idioma::Chines;
        case 98: return Idioma::Persa;
        case 103: return Idioma::Hebraico;
        case 76: return Idioma::Georgiano;
        case 1: case 141: case 75: case 109: case 194: case 200: case 201: case 28: case 137: case 161: case 186:
            return Idioma::Africano;
        default: return Idioma::Ingles;
    }
}

std::string nomepessoa(Aleatorio& a, Idioma i) {
    const TDadosIdioma& d = dados(i);
    for (;;) {
        std::string primeiro = juntapalavra(escolhe(a, d.nome1), escolhe(a, d.nome2));
        std::string sobrenome = juntapalavra(escolhe(a, d.sobre1), escolhe(a, d.sobre2));
        std::string s;
        if (d.apelido > 0 && a.sorteia(100) < d.apelido) {
            s = a.sorteia(3) == 0 ? sobrenome : primeiro;
        } else if (i == Idioma::Chines || i == Idioma::Coreano) {
            s = primeiro + " " + sobrenome;  // family name first
        } else {
            s = primeiro + " " + sobrenome;
        }
        if (!sobrenome.empty() && sobrenome.back() == ' ') continue;
        if (tamanhocp(s) >= 3 && tamanhocp(s) <= 20) return s;
    }
}

std::string nomelugar(Aleatorio& a, Idioma i) {
    const TDadosIdioma& d = dados(i);
    for (;;) {
        std::string_view p = escolhe(a, d.lugar1);
        std::string_view q = escolhe(a, d.lugar2);
        std::string s(p);
        if (!p.empty() && p.back() == ' ') {
            // "San " + a whole word made of two syllables.
            std::string_view r = escolhe(a, d.lugar1);
            if (!r.empty() && r.back() == ' ') continue;
            s += std::string(r) + std::string(q);
        } else {
            s += q;
        }
        if (tamanhocp(s) >= 3 && tamanhocp(s) <= 16) return s;
    }
}

TNomeClube nomeclube(Aleatorio& a, Idioma i, const std::string& lugar) {
    const TDadosIdioma& d = dados(i);
    for (int tentativa = 0;; ++tentativa) {
        const auto& [curto, completo] = d.clubes[static_cast<size_t>(a.sorteia(static_cast<int>(d.clubes.size())))];
        TNomeClube n;
        n.curto = substitui(curto, lugar, "");
        n.completo = substitui(completo, lugar, "");
        if (tamanhocp(n.completo) > 25) n.completo = n.curto;
        std::string pessoa;
        do {
            pessoa = nomepessoa(a, i);
        } while (pessoa.find(' ') == std::string::npos && tentativa < 5);
        n.estadio = substitui(escolhe(a, d.estadios), lugar, pessoa);
        if (tamanhocp(n.estadio) > 30) n.estadio = substitui("%", lugar, pessoa);
        if (tamanhocp(n.curto) <= 25) return n;
    }
}

std::string nomesimples(const std::string& utf8, size_t maximo) {
    const std::string cp = utf8paraCp1252(utf8);
    std::string s;
    for (unsigned char c : cp) {
        if (s.size() >= maximo) break;
        if (c >= 'A' && c <= 'Z') c = static_cast<unsigned char>(c - 'A' + 'a');
        if (c >= 'a' && c <= 'z') {
            s += static_cast<char>(c);
            continue;
        }
        // Latin-1 letters with accents fold to their base letter.
        static const std::string_view base =
            "aaaaaaaceeeeiiiidnooooo ouuuuyts"   // 0xC0..0xDF
            "aaaaaaaceeeeiiiidnooooo ouuuuyty";  // 0xE0..0xFF
        if (c >= 0xC0) {
            const char b = base[c - 0xC0];
            if (b != ' ') s += b;
        }
    }
    return s;
}

}  // namespace tarvello
