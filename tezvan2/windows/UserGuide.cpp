#include "UserGuide.h"

#include "identity/ProgramIdentity.h"

#include <QUrl>

namespace tezvan2 {

QString userGuideText()
{
    return QString::fromUtf8(R"(NASIL ÇALINIR?
Sazın uzun sapındaki perdeler bilgisayarın klavyesine dizildi: üst sıradaki rakam tuşları, Q W E R T Y U I O P sırası ve A S D tuşları birer nota çalar. Hangi tuşun hangi notayı çaldığı, ekrandaki nota resimlerinin üstünde yazar.

Notaları doğrudan klavyeden çalabilirsiniz: tuşu bıraktığınız anda nota duyulur. Nota resimlerine fareyle tıklamak da aynı notayı çalar.

İsterseniz notaları ve sürelerini alttaki nota alanına (NOTALAR ve SÜRELER satırları) kendiniz yazar, sonra DİNLE ile çalarsınız. Süreler milisaniye olarak yazılır; "es" yazılan yerde saz susmaz, önceki nota tınlamaya devam eder.

Sayı tuş takımındaki + tuşu (ya da + resmi) nota alanında boş bir nota açar, - tuşu (ya da - resmi) sondaki notayı siler.

Bitir düğmesi nota yazmayı bitirir. KAYDET yazdıklarınızı bir nota dosyasına saklar, AÇ bu dosyayı dinlemek için yeniden açar. TEMİZLE nota alanını boşaltır.

"Eşzamanlı Kaydet" kutusu işaretliyken klavyeden çaldığınız notalar, süreleriyle birlikte nota alanına kendiliğinden eklenir. Kaydı Bitir ile sonlandırın; son notanın süresi de o anda yazılır.

Süre Çarpanı: kayıtta her 10 milisaniyelik tık bu sayıyla çarpılarak süre olur. 10 gerçek süreyi verir; daha büyük bir sayı parçayı ağırlaştırır, daha küçüğü hızlandırır. Alan boşsa 10 sayılır.
--------------------------------------------------
SAZIN ADI NEREDEN GELİR?
Bir zamanlar bir köyde, dut ağacından bir çalgı oyan genç bir çoban varmış. Çalgısının adı yokmuş; çoban da her akşam damın üstüne çıkıp sabaha kadar çalarmış. Bir gece muhtarın hanımı pencereyi açıp seslenmiş: "Evladım, sesini biraz az et!" Ertesi gün köylüler çalgıyı anmak istedikçe "şu ses-az olan" demişler; ses-az zamanla kısalmış, "saz" kalmış.
Çobanın telleri de her gece çözülürmüş. Sabahları bağlaya bağlaya bıkan çoban, çalgıya bir ad daha koymuş: "bağlama". Köylüler o günden beri iki adı da kullanır, çoban da hâlâ telleri bağlamakla uğraşır.
Bu hikâyeyi bize kahvede anlatan, adını vermek istemeyen emekli muhtara teşekkür ederiz; muhtar hanım da selam söyledi.
--------------------------------------------------
Program, yeni nota dosyaları ve sorularınız için:
%1
Wintezvan %3, %2. Her hakkı saklıdır; çalmak serbesttir.
%1)")
        .arg(QUrl(QString::fromUtf8(identity::kHomePage)).host(), QString::fromUtf8(identity::kMakers),
             QString::fromUtf8(identity::kTezvan2Edition));
}

} // namespace tezvan2
