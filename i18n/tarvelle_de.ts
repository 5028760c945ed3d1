<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>CardName</name>
    <message>
        <source>Ace</source>
        <extracomment>Rank of a playing card, in &quot;%1 Of %2&quot;</extracomment>
        <translation>Ass</translation>
    </message>
    <message>
        <source>Two</source>
        <translation>Zwei</translation>
    </message>
    <message>
        <source>Three</source>
        <translation>Drei</translation>
    </message>
    <message>
        <source>Four</source>
        <translation>Vier</translation>
    </message>
    <message>
        <source>Five</source>
        <translation>Fünf</translation>
    </message>
    <message>
        <source>Six</source>
        <translation>Sechs</translation>
    </message>
    <message>
        <source>Seven</source>
        <translation>Sieben</translation>
    </message>
    <message>
        <source>Eight</source>
        <translation>Acht</translation>
    </message>
    <message>
        <source>Nine</source>
        <translation>Neun</translation>
    </message>
    <message>
        <source>Ten</source>
        <translation>Zehn</translation>
    </message>
    <message>
        <source>King</source>
        <translation>König</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>Dame</translation>
    </message>
    <message>
        <source>Knights</source>
        <extracomment>The lowest court card (the Jack), in &quot;%1 Of %2&quot;</extracomment>
        <translation>Bube</translation>
    </message>
    <message>
        <source>Clubs</source>
        <extracomment>Suit of a playing card, in &quot;%1 Of %2&quot;</extracomment>
        <translation>Kreuz</translation>
    </message>
    <message>
        <source>Diamond</source>
        <translation>Karo</translation>
    </message>
    <message>
        <source>Hearts</source>
        <translation>Herz</translation>
    </message>
    <message>
        <source>Spades</source>
        <translation>Pik</translation>
    </message>
    <message>
        <source>the spring season</source>
        <extracomment>Season of a card&apos;s favourable period, in &quot;%1 week of %2.&quot;</extracomment>
        <translation>des Frühlings</translation>
    </message>
    <message>
        <source>fall</source>
        <translation>des Herbstes</translation>
    </message>
    <message>
        <source>the summer season</source>
        <translation>des Sommers</translation>
    </message>
    <message>
        <source>the winter season</source>
        <translation>des Winters</translation>
    </message>
    <message>
        <source>1st</source>
        <extracomment>Week number of a card&apos;s favourable period, in &quot;%1 week of %2.&quot;</extracomment>
        <translation>erste</translation>
    </message>
    <message>
        <source>2nd</source>
        <translation>zweite</translation>
    </message>
    <message>
        <source>3rd</source>
        <translation>dritte</translation>
    </message>
    <message>
        <source>4th</source>
        <translation>vierte</translation>
    </message>
    <message>
        <source>5th</source>
        <translation>fünfte</translation>
    </message>
    <message>
        <source>6th</source>
        <translation>sechste</translation>
    </message>
    <message>
        <source>7th</source>
        <translation>siebte</translation>
    </message>
    <message>
        <source>8th</source>
        <translation>achte</translation>
    </message>
    <message>
        <source>9th</source>
        <translation>neunte</translation>
    </message>
    <message>
        <source>10th</source>
        <translation>zehnte</translation>
    </message>
    <message>
        <source>11th</source>
        <translation>elfte</translation>
    </message>
    <message>
        <source>12th</source>
        <translation>zwölfte</translation>
    </message>
    <message>
        <source>13th</source>
        <translation>dreizehnte</translation>
    </message>
    <message>
        <source>%1 Of %2</source>
        <extracomment>A playing card&apos;s name: %1 is its rank, %2 its suit</extracomment>
        <translation>%2-%1</translation>
    </message>
    <message>
        <source>%1 week of %2.</source>
        <extracomment>A card&apos;s favourable time of the year: %1 is the week&apos;s number, %2 the season</extracomment>
        <translation>Die %1 Woche %2.</translation>
    </message>
    <message>
        <source>A</source>
        <extracomment>A rank as the journal&apos;s calendar abbreviates it: Ace, King, Queen, Knight (the Jack)</extracomment>
        <translation>A</translation>
    </message>
    <message>
        <source>K</source>
        <translation>K</translation>
    </message>
    <message>
        <source>Q</source>
        <translation>D</translation>
    </message>
    <message>
        <source>Kn</source>
        <translation>B</translation>
    </message>
</context>
<context>
    <name>CardReading</name>
    <message>
        <source>A single club on a white field is the simplest of starts, and that is its point. The Ace of Clubs puts the first push behind something new, whether a plan sketched long ago or a skill you keep promising yourself. Ideas arrive quickly when this card turns up, and the nerve to try them arrives with them. Luck with money belongs to it as well, the kind of luck that follows honest effort. Pick one practical step and take it while the spark is fresh. Things begun under this Ace tend to grow fast, which makes the choice of what to begin worth a minute&apos;s thought: what would you be glad to be tending a year from now?</source>
        <extracomment>Ace of Clubs: reading</extracomment>
        <translation>Ein einzelnes Kreuz auf weißem Grund ist der schlichteste aller Anfänge, und genau darum geht es. Das Kreuz-Ass gibt etwas Neuem den ersten Schub, ob einem längst skizzierten Plan oder einer Fähigkeit, die du dir schon oft vorgenommen hast. Mit dieser Karte kommen Ideen schnell, und der Mut, sie auszuprobieren, gleich mit. Auch Glück mit Geld gehört dazu, jenes Glück, das ehrlicher Mühe folgt. Wähle einen praktischen Schritt und geh ihn, solange der Funke frisch ist. Was unter diesem Ass beginnt, wächst meist schnell; darum lohnt es sich, kurz zu überlegen, was du beginnst: Was würdest du in einem Jahr gern noch pflegen?</translation>
    </message>
    <message>
        <source>New beginnings, inspiration, energy and opportunity.</source>
        <extracomment>Ace of Clubs: keywords</extracomment>
        <translation>Neubeginn, Inspiration, Energie und Gelegenheit.</translation>
    </message>
    <message>
        <source>What first step toward something new could you take before the spark fades?</source>
        <extracomment>Ace of Clubs: journal question</extracomment>
        <translation>Welchen ersten Schritt zu etwas Neuem kannst du gehen, bevor der Funke verglimmt?</translation>
    </message>
    <message>
        <source>Help is nearer than it looks when the Two of Clubs appears. Who holds the piece your plan is missing? Very likely someone within easy reach, perhaps a neighbour with handy skills, and you probably hold one of theirs. Show them the idea while it is still rough and let them change it. A choice between two offers, or between two ways of doing one task, can also come up. The better option is usually the one that keeps a good working friendship sound. Two people who trust each other finish a job in half the time and enjoy the doing twice as much.</source>
        <extracomment>Two of Clubs: reading</extracomment>
        <translation>Hilfe ist näher, als es scheint, wenn die Kreuz-Zwei erscheint. Wer hat das Stück, das deinem Plan noch fehlt? Sehr wahrscheinlich jemand ganz in der Nähe, vielleicht ein geschickter Nachbar, und umgekehrt gilt vermutlich dasselbe. Zeig ihm die Idee, solange sie noch roh ist, und lass ihn daran ändern. Auch eine Wahl zwischen zwei Angeboten oder zwei Wegen, eine Aufgabe anzugehen, kann anstehen. Besser ist meist, was eine gute Zusammenarbeit nicht belastet. Zwei, die einander vertrauen, sind in halber Zeit fertig und haben doppelt so viel Freude daran.</translation>
    </message>
    <message>
        <source>Partnership, cooperation, choice, trust and shared effort.</source>
        <extracomment>Two of Clubs: keywords</extracomment>
        <translation>Partnerschaft, Zusammenarbeit, Wahl, Vertrauen und gemeinsame Mühe.</translation>
    </message>
    <message>
        <source>Whose skills would fill the gap in your plan?</source>
        <extracomment>Two of Clubs: journal question</extracomment>
        <translation>Wessen Können schließt die Lücke in deinem Plan?</translation>
    </message>
    <message>
        <source>Roads open under the Three of Clubs, and one of them leads back to something that failed the first time. This is the card of the second attempt: the venture that needed a false start before it could work, the plan that finds a better route once the obvious one is blocked. Traditional readers put it plainly and promised a second marriage happier than the first. Read more generously, the card says that what you try again, wiser for the first try, tends to go further, though it asks for some bending. A route you did not choose can prove the quicker one, and a day somewhere unfamiliar shows how much room lies beyond your usual circuit. Ambition suits you, so long as it travels light. Which door closed on you, and what has opened beside it since?</source>
        <extracomment>Three of Clubs: reading</extracomment>
        <translation>Unter der Kreuz-Drei öffnen sich Wege, und einer führt zurück zu etwas, das beim ersten Mal scheiterte. Dies ist die Karte des zweiten Anlaufs: das Vorhaben, das erst nach einem Fehlstart gelingen konnte, der Plan, der einen besseren Weg findet, sobald der naheliegende versperrt ist. Alte Kartenleger sagten es geradeheraus und versprachen eine zweite Ehe, glücklicher als die erste. Großzügiger gelesen sagt die Karte: Was du, klüger geworden, erneut versuchst, kommt meist weiter, verlangt aber etwas Beweglichkeit. Ein Weg, den du nicht gewählt hast, kann sich als der schnellere erweisen, und ein Tag an einem fremden Ort zeigt, wie viel Raum jenseits deiner gewohnten Runde liegt. Ehrgeiz steht dir gut, solange er mit leichtem Gepäck reist. Welche Tür ging vor dir zu, und was hat sich seither daneben geöffnet?</translation>
    </message>
    <message>
        <source>Change, flexibility, development, traveling and ambitious</source>
        <extracomment>Three of Clubs: keywords</extracomment>
        <translation>Wandel, Beweglichkeit, Entwicklung, Reisen und Ehrgeiz</translation>
    </message>
    <message>
        <source>What are you ready to try a second time?</source>
        <extracomment>Three of Clubs: journal question</extracomment>
        <translation>Woran wagst du dich ein zweites Mal?</translation>
    </message>
    <message>
        <source>The Four of Clubs brings rest well earned and friends who stand by you. Whatever you have built lately, enjoy it as it is instead of adding another floor. An hour with nothing planned does more good than you would expect, and a laugh shared with the people on your side does as much. Let somebody look after you for once, and accept the lift home or the cup of tea without protest. Contentment of this kind is the mortar of every lasting enterprise. Even mortar needs a day left alone to set.</source>
        <extracomment>Four of Clubs: reading</extracomment>
        <translation>Die Kreuz-Vier bringt wohlverdiente Ruhe und Freunde, die zu dir stehen. Was du zuletzt aufgebaut hast, genieße, wie es ist, statt noch ein Stockwerk draufzusetzen. Eine Stunde ohne Plan tut besser, als du denkst, und ein Lachen mit den Menschen auf deiner Seite ebenso. Lass dich einmal umsorgen und nimm die Mitfahrt nach Hause oder die Tasse Tee ohne Widerrede an. Zufriedenheit dieser Art ist der Mörtel jedes dauerhaften Werks. Selbst Mörtel braucht einen Tag Ruhe, um abzubinden.</translation>
    </message>
    <message>
        <source>Happiness, joy, rest, warm and supportive</source>
        <extracomment>Four of Clubs: keywords</extracomment>
        <translation>Glück, Freude, Ruhe, Wärme und Rückhalt</translation>
    </message>
    <message>
        <source>Who looked after you, and how did it feel to let them?</source>
        <extracomment>Four of Clubs: journal question</extracomment>
        <translation>Wer hat sich um dich gekümmert, und wie war es, das zuzulassen?</translation>
    </message>
    <message>
        <source>Lively company arrives with the Five of Clubs, and some friction comes with it. Someone new can join your circle, and at first their ideas might seem to clash with yours. Treat the argument as a whetstone: two keen minds pressed together often produce the best edge. Today&apos;s rival could be next month&apos;s ally if you listen longer than you talk and give credit freely. Alliances formed in honest debate tend to last, and they bring help long after the quarrel is forgotten. Many lasting friendships began as an argument between strangers.</source>
        <extracomment>Five of Clubs: reading</extracomment>
        <translation>Mit der Kreuz-Fünf kommt lebhafte Gesellschaft und mit ihr etwas Reibung. Jemand Neues kann zu deinem Kreis stoßen, und seine Ideen scheinen anfangs mit deinen zu kollidieren. Nimm den Streit als Wetzstein: Zwei scharfe Köpfe aneinander ergeben oft die beste Schneide. Der Rivale von heute kann nächsten Monat dein Verbündeter sein, wenn du länger zuhörst als redest und Anerkennung großzügig verteilst. Bündnisse aus ehrlichem Streit halten meist und helfen noch lange, wenn der Zank vergessen ist. Viele feste Freundschaften begannen als Streit unter Fremden.</translation>
    </message>
    <message>
        <source>New friends, healthy rivalry, debate, alliance and growth.</source>
        <extracomment>Five of Clubs: keywords</extracomment>
        <translation>Neue Freunde, gesunde Rivalität, Debatte, Bündnis und Wachstum.</translation>
    </message>
    <message>
        <source>Whose disagreement taught you something you would not have learnt alone?</source>
        <extracomment>Five of Clubs: journal question</extracomment>
        <translation>Wessen Widerspruch hat dich etwas gelehrt, das du allein nicht gelernt hättest?</translation>
    </message>
    <message>
        <source>Recognition is the gift of the Six of Clubs. Something you did without fuss, perhaps months ago, is about to be noticed, and it returns to you as praise or as a helping hand from someone who remembers a kindness of yours. Accept it with grace; modesty is charming, but refusing help only slows you down. Then pass some of the luck along. A word of encouragement from you might be exactly what a friend needs to get a stalled project moving. Success in this suit grows by being shared, like a fire that burns better for every log laid on it.</source>
        <extracomment>Six of Clubs: reading</extracomment>
        <translation>Anerkennung ist das Geschenk der Kreuz-Sechs. Etwas, das du ohne Aufhebens getan hast, vielleicht vor Monaten, wird bald bemerkt und kehrt als Lob zu dir zurück oder als helfende Hand von jemandem, der sich an deine Güte erinnert. Nimm es dankbar an; Bescheidenheit ist eine Zier, doch wer Hilfe ablehnt, bremst sich selbst. Dann gib etwas vom Glück weiter. Ein ermutigendes Wort von dir ist vielleicht genau das, was ein Freund braucht, um ein festgefahrenes Projekt wieder anzuschieben. Erfolg wächst in dieser Farbe durchs Teilen, wie ein Feuer, das mit jedem Scheit besser brennt.</translation>
    </message>
    <message>
        <source>Recognition, success, praise, helping hands, gratitude and generosity.</source>
        <extracomment>Six of Clubs: keywords</extracomment>
        <translation>Anerkennung, Erfolg, Lob, helfende Hände, Dankbarkeit und Großzügigkeit.</translation>
    </message>
    <message>
        <source>Which piece of your work deserves a word of praise, even from yourself?</source>
        <extracomment>Six of Clubs: journal question</extracomment>
        <translation>Welche deiner Arbeiten verdient ein Lob, und sei es von dir selbst?</translation>
    </message>
    <message>
        <source>Hold your ground. The Seven of Clubs finds you pressed from more than one side, by a deadline crowding in or by someone questioning a decision you made for good reasons. Stay courteous and yield nothing: experience counts for more in a dispute like this than the volume of anyone&apos;s voice. Petty irritations will try to drag you from the main task, so pick the two or three things that truly matter and defend those. Everything else can wait. Tarot&apos;s matching card shows a man on a hilltop fending off six staves from below, outnumbered and still holding the better position.</source>
        <extracomment>Seven of Clubs: reading</extracomment>
        <translation>Bleib standhaft. Die Kreuz-Sieben zeigt dich von mehr als einer Seite bedrängt, durch eine nahende Frist oder durch jemanden, der eine gut begründete Entscheidung von dir infrage stellt. Bleib höflich und gib nichts nach: In einem solchen Streit zählt Erfahrung mehr als die Lautstärke. Kleine Ärgernisse wollen dich von der Hauptsache abbringen, also wähle die zwei oder drei Dinge, die wirklich zählen, und verteidige sie. Alles andere kann warten. Die passende Tarotkarte zeigt einen Mann auf einem Hügel, der sechs Stäbe von unten abwehrt, in der Unterzahl und doch in der besseren Stellung.</translation>
    </message>
    <message>
        <source>Perseverance, courage, defence, priorities and steady effort.</source>
        <extracomment>Seven of Clubs: keywords</extracomment>
        <translation>Beharrlichkeit, Mut, Verteidigung, Prioritäten und stetige Mühe.</translation>
    </message>
    <message>
        <source>Which two or three things were worth defending?</source>
        <extracomment>Seven of Clubs: journal question</extracomment>
        <translation>Welche zwei oder drei Dinge waren es wert, verteidigt zu werden?</translation>
    </message>
    <message>
        <source>Things speed up under the Eight of Clubs. Messages arrive and plans gather pace, and matters you had been waiting on start moving together. Your mind is sharp and your energy high, which is just what such a pace demands. Keep one hand near the brake all the same: speed makes it easy to sign before reading or to promise more than you can deliver. Narrow your attention to what must be done today, and check each step before taking the next. Think of traffic on a dual carriageway: fast, and safe only while everyone keeps to their lane.</source>
        <extracomment>Eight of Clubs: reading</extracomment>
        <translation>Unter der Kreuz-Acht geht es schneller. Nachrichten treffen ein, Pläne nehmen Fahrt auf, und worauf du gewartet hast, kommt auf einmal in Bewegung. Dein Kopf ist klar und deine Energie hoch, genau das, was dieses Tempo verlangt. Behalte trotzdem eine Hand an der Bremse: In der Eile unterschreibt man leicht ungelesen oder verspricht mehr, als man halten kann. Richte den Blick auf das, was heute erledigt werden muss, und prüfe jeden Schritt vor dem nächsten. Denk an den Verkehr auf der Autobahn: schnell, und sicher nur, solange jeder in seiner Spur bleibt.</translation>
    </message>
    <message>
        <source>Energetic, active, powerful, sharp, cautious and focused</source>
        <extracomment>Eight of Clubs: keywords</extracomment>
        <translation>Tatkraft, Aktivität, Stärke, Scharfsinn, Vorsicht und Fokus</translation>
    </message>
    <message>
        <source>Where did speed help you, and where did it nearly trip you up?</source>
        <extracomment>Eight of Clubs: journal question</extracomment>
        <translation>Wo hat dir das Tempo geholfen, und wo hätte es dich fast zu Fall gebracht?</translation>
    </message>
    <message>
        <source>The Nine of Clubs comes late in a long job, when the finish is near and many people give up. If you feel worn down, take that as a measure of how far you have come rather than of how far is left. Guard your strength; a decent meal and a full night&apos;s sleep matter more now than they seem. Weariness makes a mild disagreement sound like a serious one; go gently with those around you, and a calm word now will spare a long apology later. Distance runners say the race is decided in its last miles, by whoever kept something in reserve.</source>
        <extracomment>Nine of Clubs: reading</extracomment>
        <translation>Die Kreuz-Neun kommt spät in einer langen Arbeit, wenn das Ziel nah ist und viele aufgeben. Fühlst du dich erschöpft, miss daran, wie weit du gekommen bist, nicht, wie weit es noch ist. Schone deine Kräfte; eine ordentliche Mahlzeit und eine durchschlafene Nacht zählen jetzt mehr, als es scheint. Müdigkeit lässt eine kleine Meinungsverschiedenheit ernst klingen; geh sanft mit deinen Mitmenschen um, dann erspart ein ruhiges Wort jetzt später eine lange Entschuldigung. Langstreckenläufer wissen: Das Rennen gewinnt auf den letzten Kilometern, wer noch Reserven hat.</translation>
    </message>
    <message>
        <source>Resilience, endurance, patience and near completion.</source>
        <extracomment>Nine of Clubs: keywords</extracomment>
        <translation>Widerstandskraft, Ausdauer, Geduld und das nahe Ziel.</translation>
    </message>
    <message>
        <source>What will carry you through the last stretch?</source>
        <extracomment>Nine of Clubs: journal question</extracomment>
        <translation>Was trägt dich über die letzte Strecke?</translation>
    </message>
    <message>
        <source>A long labour comes to an end. The Ten of Clubs marks the close of a project or of a whole year of effort, and the weight you have carried can soon be set down. Before hurrying on to whatever comes after, look back at what you achieved and at who helped you achieve it. If you took on more than your share along the way, give the extra back. Rewards often follow completion among the clubs, a bonus perhaps or a fresh offer. Completion works like a woodpile: hard work to gather, and warmth for a long while after.</source>
        <extracomment>Ten of Clubs: reading</extracomment>
        <translation>Eine lange Mühe geht zu Ende. Die Kreuz-Zehn markiert den Abschluss eines Projekts oder eines ganzen Arbeitsjahres, und die Last, die du getragen hast, darfst du bald absetzen. Bevor du zum Nächsten eilst, blick zurück auf das Erreichte und auf die, die dir dabei geholfen haben. Hast du unterwegs mehr als deinen Teil übernommen, gib das Zuviel ab. In dieser Farbe folgt auf den Abschluss oft ein Lohn, vielleicht eine Prämie oder ein neues Angebot. Ein Abschluss ist wie ein Holzstapel: mühsam gesammelt, und danach wärmt er noch lange.</translation>
    </message>
    <message>
        <source>Completion, responsibility, reward, relief and fresh offers.</source>
        <extracomment>Ten of Clubs: keywords</extracomment>
        <translation>Abschluss, Verantwortung, Lohn, Erleichterung und neue Angebote.</translation>
    </message>
    <message>
        <source>What can you set down now that it is finished?</source>
        <extracomment>Ten of Clubs: journal question</extracomment>
        <translation>Was kannst du jetzt ablegen, da es fertig ist?</translation>
    </message>
    <message>
        <source>Think of the person who first showed you how a thing is really done, and you have the King of Clubs. He started with little and kept every promise he made on the way up. He speaks plainly, stands by his people when things go wrong and expects loyalty in return. His praise is seldom given and worth having, and his criticism arrives without decoration. Someone of his stamp could offer help today; if not, go and find one, because a word from a person who has done the job many times saves weeks of guessing. He leads from the front, and his crew follows because he was the first to pick up a shovel.</source>
        <extracomment>King of Clubs: reading</extracomment>
        <translation>Denk an den Menschen, der dir als Erster gezeigt hat, wie man etwas wirklich macht, und du hast den Kreuz-König. Er fing mit wenig an und hielt auf dem Weg nach oben jedes Versprechen. Er redet geradeheraus, steht zu seinen Leuten, wenn etwas schiefgeht, und erwartet dafür Treue. Sein Lob ist selten und wertvoll, seine Kritik kommt ohne Schnörkel. Jemand von seinem Schlag könnte dir heute Hilfe anbieten; wenn nicht, such dir so jemanden, denn ein Wort von einem, der die Arbeit oft gemacht hat, erspart wochenlanges Raten. Er führt von vorn, und seine Leute folgen ihm, weil er als Erster zur Schaufel gegriffen hat.</translation>
    </message>
    <message>
        <source>Leadership, loyalty, experience, honesty, mentorship and example.</source>
        <extracomment>King of Clubs: keywords</extracomment>
        <translation>Führung, Treue, Erfahrung, Ehrlichkeit, Anleitung und Vorbild.</translation>
    </message>
    <message>
        <source>Who taught you how a thing is properly done?</source>
        <extracomment>King of Clubs: journal question</extracomment>
        <translation>Wer hat dir gezeigt, wie man etwas richtig macht?</translation>
    </message>
    <message>
        <source>Every club and every street has its Queen of Clubs, the woman who knows everybody and somehow has a spare key or a folding table when one is needed. She runs things without raising her voice, and people enjoy being organized by her. Her help is yours for the asking, and being asked pleases her. Her method is no secret: a written list, and tasks handed out with a smile rather than barked as orders. Confidence worn lightly opens more doors than any title.</source>
        <extracomment>Queen of Clubs: reading</extracomment>
        <translation>Jeder Verein und jede Straße hat ihre Kreuz-Dame, die Frau, die alle kennt und irgendwie einen Ersatzschlüssel oder Klapptisch hat, wenn er gebraucht wird. Sie leitet alles, ohne laut zu werden, und man lässt sich gern von ihr organisieren. Ihre Hilfe bekommst du, wenn du fragst, und sie freut sich über die Frage. Ihre Methode ist kein Geheimnis: eine Liste auf Papier und Aufgaben, mit einem Lächeln verteilt statt als Befehle gebellt. Gelassenes Selbstvertrauen öffnet mehr Türen als jeder Titel.</translation>
    </message>
    <message>
        <source>Confidence, warmth, organization, generosity and charm.</source>
        <extracomment>Queen of Clubs: keywords</extracomment>
        <translation>Selbstvertrauen, Wärme, Ordnung, Großzügigkeit und Charme.</translation>
    </message>
    <message>
        <source>What went better because somebody took charge of it with a smile?</source>
        <extracomment>Queen of Clubs: journal question</extracomment>
        <translation>Was lief besser, weil jemand es mit einem Lächeln in die Hand nahm?</translation>
    </message>
    <message>
        <source>Moving day shows who your friends are, and the Knight of Clubs arrives in work gloves and stays until the last box is carried in. He volunteers first and complains last, and his energy is catching. Let some of it rub off: restart whatever has stalled, or say yes to an outing you would normally turn down. Finish what you begin before chasing the next idea, though; his weakness is a shed full of half-built things. If a loyal helper has carried you lately, thank them properly, face to face.</source>
        <extracomment>Knights of Clubs: reading</extracomment>
        <translation>Beim Umzug zeigt sich, wer deine Freunde sind, und der Kreuz-Bube kommt mit Arbeitshandschuhen und bleibt, bis der letzte Karton drin ist. Er meldet sich als Erster und klagt als Letzter, und seine Energie steckt an. Lass dich mitreißen: Bring wieder in Gang, was stockt, oder sag Ja zu einem Ausflug, den du sonst ablehnen würdest. Beende aber, was du anfängst, bevor du der nächsten Idee nachjagst; seine Schwäche ist ein Schuppen voller halbfertiger Dinge. Hat dich zuletzt ein treuer Helfer getragen, dank ihm richtig, persönlich.</translation>
    </message>
    <message>
        <source>Enthusiasm, loyalty, adventure, helpfulness and quick starts.</source>
        <extracomment>Knights of Clubs: keywords</extracomment>
        <translation>Begeisterung, Treue, Abenteuer, Hilfsbereitschaft und schnelle Starts.</translation>
    </message>
    <message>
        <source>Which half-finished thing deserves your enthusiasm before a new one does?</source>
        <extracomment>Knights of Clubs: journal question</extracomment>
        <translation>Welches halbfertige Vorhaben verdient deine Begeisterung vor einem neuen?</translation>
    </message>
    <message>
        <source>Something of value is put in your hands by the Ace of Diamonds. Perhaps a payment, perhaps an idea for earning; what matters most is what you do next. Part of it might go aside for later and part into a skill; mending a tool you rely on every day is money well spent too. Old fortune-tellers read this Ace as a letter or a ring, a promise sealed with something precious, so keep an eye on the post. Even a modest sum, handled wisely, can be the first stone of real security.</source>
        <extracomment>Ace of Diamond: reading</extracomment>
        <translation>Das Karo-Ass legt dir etwas Wertvolles in die Hände. Vielleicht eine Zahlung, vielleicht eine Idee zum Geldverdienen; am meisten zählt, was du als Nächstes tust. Ein Teil kann zurückgelegt werden, ein Teil in eine Fähigkeit fließen; auch ein Werkzeug zu reparieren, das du täglich brauchst, ist gut angelegt. Alte Wahrsagerinnen sahen in diesem Ass einen Brief oder Ring, ein kostbar besiegeltes Versprechen: Achte auf die Post. Selbst eine kleine Summe, klug verwaltet, kann der erste Stein echter Sicherheit sein.</translation>
    </message>
    <message>
        <source>Prosperity, new income, opportunity, gifts and good news.</source>
        <extracomment>Ace of Diamond: keywords</extracomment>
        <translation>Wohlstand, neue Einnahmen, Chancen, Geschenke und gute Nachrichten.</translation>
    </message>
    <message>
        <source>What of value came into your hands, and where will you put it?</source>
        <extracomment>Ace of Diamond: journal question</extracomment>
        <translation>Was Wertvolles ist dir in die Hände gekommen, und wo legst du es hin?</translation>
    </message>
    <message>
        <source>Juggling is the skill the Two of Diamonds asks for. Bills and claims on one purse compete for your attention, and you can keep them all in the air once you find a rhythm. Write down what comes in and what goes out, and let the figures calm your nerves. Swaps and agreements between two parties go well today. A bargain struck now is likely to be fair, provided you say plainly what you want and listen to what the other side needs in return. Bend where you can, and stand fast only on the one point that matters most.</source>
        <extracomment>Two of Diamond: reading</extracomment>
        <translation>Jonglieren ist die Kunst, die die Karo-Zwei verlangt. Rechnungen und Forderungen an dieselbe Kasse buhlen um deine Aufmerksamkeit, und du kannst sie alle in der Luft halten, sobald du im Takt bist. Schreib auf, was hereinkommt und was hinausgeht, und lass dich von den Zahlen beruhigen. Tausch und Absprachen zwischen zwei Seiten gelingen heute. Ein Handel, den du jetzt schließt, wird wohl fair, wenn du klar sagst, was du willst, und hörst, was die andere Seite dafür braucht. Gib nach, wo du kannst, und bleib nur beim wichtigsten Punkt hart.</translation>
    </message>
    <message>
        <source>Balance, juggling, flexibility, fair exchange and planning.</source>
        <extracomment>Two of Diamond: keywords</extracomment>
        <translation>Gleichgewicht, Jonglieren, Beweglichkeit, fairer Tausch und Planung.</translation>
    </message>
    <message>
        <source>Which two demands are you balancing, and which one matters more?</source>
        <extracomment>Two of Diamond: journal question</extracomment>
        <translation>Welche zwei Ansprüche hältst du im Gleichgewicht, und welcher wiegt schwerer?</translation>
    </message>
    <message>
        <source>Skilled hands are honoured by the Three of Diamonds. Something you make or mend with care is worth more than its price tag, and people are beginning to notice. Team up with someone whose talents fill the gaps in yours. There is a caution here as well: agreements made in haste, especially over money, can sour into quarrels, even into a dispute that ends at a solicitor&apos;s desk. Put the terms in writing and read every clause; a debt left unsettled breeds resentment. Careful work and a bargain written out clearly earn their own fair reward.</source>
        <extracomment>Three of Diamond: reading</extracomment>
        <translation>Die Karo-Drei ehrt geschickte Hände. Was du mit Sorgfalt machst oder reparierst, ist mehr wert als sein Preisschild, und die Leute merken es allmählich. Tu dich mit jemandem zusammen, dessen Talente deine Lücken füllen. Eine Warnung steckt auch darin: Übereilte Abmachungen, besonders über Geld, können in Streit umschlagen, bis hin zum Termin beim Anwalt. Halte die Bedingungen schriftlich fest und lies jede Klausel; eine offene Schuld nährt Groll. Sorgfältige Arbeit und ein klar aufgeschriebener Handel bringen ihren eigenen gerechten Lohn.</translation>
    </message>
    <message>
        <source>Craftsmanship, teamwork, agreements, caution and fair reward.</source>
        <extracomment>Three of Diamond: keywords</extracomment>
        <translation>Handwerkskunst, Teamarbeit, Abmachungen, Vorsicht und gerechter Lohn.</translation>
    </message>
    <message>
        <source>What have you made or mended with care lately?</source>
        <extracomment>Three of Diamond: journal question</extracomment>
        <translation>Was hast du zuletzt mit Sorgfalt gemacht oder repariert?</translation>
    </message>
    <message>
        <source>Under your feet the Four of Diamonds lays a solid floor. Your finances are plain rather than glamorous, and sounder than your worries suggest; some discipline now will make them stronger still. Before buying anything new, see what you already own; much of it can be repaired or put to better use. Be wary, though, of gripping so tightly that security turns into a fear of spending, for a purse that never opens costs friendships and chances alike. Saving works best with a purpose in mind. Money kept only to be counted is like a toolbox nobody opens.</source>
        <extracomment>Four of Diamond: reading</extracomment>
        <translation>Unter deine Füße legt die Karo-Vier einen festen Boden. Deine Finanzen sind eher schlicht als glanzvoll und solider, als deine Sorgen meinen; etwas Disziplin macht sie jetzt noch stärker. Bevor du Neues kaufst, sieh nach, was du schon hast; vieles lässt sich reparieren oder besser nutzen. Hüte dich aber, so krampfhaft festzuhalten, dass Sicherheit zur Angst vor dem Ausgeben wird, denn ein Geldbeutel, der nie aufgeht, kostet Freundschaften wie Chancen. Sparen gelingt am besten mit einem Ziel. Geld, das man nur zählt, ist wie ein Werkzeugkasten, den keiner öffnet.</translation>
    </message>
    <message>
        <source>Stability, security, savings and prudence.</source>
        <extracomment>Four of Diamond: keywords</extracomment>
        <translation>Beständigkeit, Sicherheit, Ersparnisse und Umsicht.</translation>
    </message>
    <message>
        <source>What do you already own that could be put to better use?</source>
        <extracomment>Four of Diamond: journal question</extracomment>
        <translation>Was besitzt du schon, das sich besser nutzen ließe?</translation>
    </message>
    <message>
        <source>The Five of Diamonds shakes things a little. An unplanned expense or a change in income could turn up, or talk of a move to a new address. Panic only makes the sums harder. Turbulence like this often clears space for something better, as a gale strips dead wood so that new growth can come through. Ask for help if you need it; pride keeps poor accounts. Telling the right people where you stand brings support you had not known existed, and a sensible change made now can leave you on surer footing within a few months.</source>
        <extracomment>Five of Diamond: reading</extracomment>
        <translation>Die Karo-Fünf rüttelt ein wenig. Eine ungeplante Ausgabe oder eine Änderung beim Einkommen kann auftauchen, oder die Rede von einem Umzug. Panik macht die Rechnung nur schwerer. Solche Unruhe schafft oft Platz für Besseres, so wie ein Sturm totes Holz abreißt, damit Neues nachwachsen kann. Bitte um Hilfe, wenn du sie brauchst; Stolz führt schlecht Buch. Wenn du den richtigen Leuten sagst, wo du stehst, findest du Unterstützung, von der du nichts ahntest, und eine vernünftige Änderung jetzt bringt dich in wenigen Monaten auf sichereren Boden.</translation>
    </message>
    <message>
        <source>Change, unexpected expense, moving, adaptability and support.</source>
        <extracomment>Five of Diamond: keywords</extracomment>
        <translation>Wandel, unerwartete Kosten, Umzug, Anpassung und Unterstützung.</translation>
    </message>
    <message>
        <source>Who could help you with the cost or change that turned up?</source>
        <extracomment>Five of Diamond: journal question</extracomment>
        <translation>Wer könnte dir bei der Ausgabe oder der Veränderung helfen, die aufgetaucht ist?</translation>
    </message>
    <message>
        <source>Money and favours flow both ways when the Six of Diamonds turns up. A sum you had forgotten could be repaid to you, or the chance could come to help someone who is struggling. Give without keeping score, and receive without blushing. Fairness is at the heart of it, so look over your own dealings for anything left unsettled. An old debt cleared today, in either direction, lightens the mind as well as the purse. The six stones sit in two even columns, three a side, like goods weighed on an honest scale.</source>
        <extracomment>Six of Diamond: reading</extracomment>
        <translation>Geld und Gefälligkeiten fließen in beide Richtungen, wenn die Karo-Sechs erscheint. Eine vergessene Summe könnte dir zurückgezahlt werden, oder du bekommst Gelegenheit, jemandem zu helfen, der zu kämpfen hat. Gib, ohne aufzurechnen, und nimm, ohne zu erröten. Im Kern geht es um Fairness, also prüf deine eigenen Geschäfte auf Offenes. Eine alte Schuld, heute beglichen, in welcher Richtung auch immer, erleichtert den Kopf wie den Geldbeutel. Die sechs Rauten stehen in zwei gleichen Reihen, drei auf jeder Seite, wie Ware auf einer ehrlichen Waage.</translation>
    </message>
    <message>
        <source>Generosity, fairness, giving, receiving and settled debts.</source>
        <extracomment>Six of Diamond: keywords</extracomment>
        <translation>Großzügigkeit, Fairness, Geben, Nehmen und beglichene Schulden.</translation>
    </message>
    <message>
        <source>Is there a debt, of money or of kindness, still waiting to be settled?</source>
        <extracomment>Six of Diamond: journal question</extracomment>
        <translation>Gibt es eine Schuld, an Geld oder an Freundlichkeit, die noch offen ist?</translation>
    </message>
    <message>
        <source>Call the Seven of Diamonds a card for gardeners. You have planted something, perhaps a savings plan or a long piece of work, and now it must be left to bear fruit. Do not dig up the seeds to see if they have sprouted. Tend what you can instead: trim a wasteful expense, or get back in touch with a useful contact who has gone silent. Leave idle talk about other people&apos;s earnings to those who enjoy it; comparing your harvest with a neighbour&apos;s only spoils the taste of yours. An old English saying puts that patience in five words: plant pears for your heirs.</source>
        <extracomment>Seven of Diamond: reading</extracomment>
        <translation>Nenn die Karo-Sieben ruhig eine Karte für Gärtner. Du hast etwas gepflanzt, vielleicht einen Sparplan oder eine lange Arbeit, und nun muss es in Ruhe Früchte tragen. Grab die Saat nicht aus, um zu sehen, ob sie keimt. Pflege lieber, was du kannst: Streich eine unnütze Ausgabe oder melde dich wieder bei einem nützlichen Kontakt, der verstummt ist. Überlass das Gerede über die Einkünfte anderer denen, die es mögen; wer seine Ernte mit der des Nachbarn vergleicht, verdirbt sich nur den Geschmack. Ein altes englisches Sprichwort fasst diese Geduld in fünf Worte: Pflanz Birnen für deine Erben.</translation>
    </message>
    <message>
        <source>Patience, investment, growth, perseverance and harvest.</source>
        <extracomment>Seven of Diamond: keywords</extracomment>
        <translation>Geduld, Investition, Wachstum, Beharrlichkeit und Ernte.</translation>
    </message>
    <message>
        <source>What have you planted that needs leaving alone to grow?</source>
        <extracomment>Seven of Diamond: journal question</extracomment>
        <translation>Was hast du gepflanzt, das man in Ruhe wachsen lassen muss?</translation>
    </message>
    <message>
        <source>Apprentices of every age are favoured by the Eight of Diamonds. Work that asks for patience and precision suits you today, and every careful hour adds to your skill and your value alike. Perhaps you are learning a new trade, or simply doing ordinary tasks a shade better than yesterday. A little extra money can come from an odd job or a sale; it will not change your life overnight, yet it confirms that you are on the right path. Mastery is built from exactly this kind of patient repetition, one careful stroke laid over another.</source>
        <extracomment>Eight of Diamond: reading</extracomment>
        <translation>Die Karo-Acht begünstigt Lehrlinge jeden Alters. Arbeit, die Geduld und Genauigkeit verlangt, liegt dir heute, und jede sorgfältige Stunde mehrt dein Können wie deinen Wert. Vielleicht lernst du ein neues Handwerk oder erledigst einfach Alltägliches einen Hauch besser als gestern. Ein kleiner Zuverdienst kann durch eine Gelegenheitsarbeit oder einen Verkauf kommen; er ändert dein Leben nicht über Nacht, bestätigt aber, dass du auf dem richtigen Weg bist. Meisterschaft entsteht genau aus solch geduldiger Wiederholung, ein sorgfältiger Strich über dem anderen.</translation>
    </message>
    <message>
        <source>Diligence, skill, mastery, practice and modest reward.</source>
        <extracomment>Eight of Diamond: keywords</extracomment>
        <translation>Fleiß, Können, Meisterschaft, Übung und bescheidener Lohn.</translation>
    </message>
    <message>
        <source>Which skill got a little better through practice?</source>
        <extracomment>Eight of Diamond: journal question</extracomment>
        <translation>Welche Fähigkeit ist durch Übung ein wenig besser geworden?</translation>
    </message>
    <message>
        <source>The Nine of Diamonds celebrates comfort earned with your own hands. Standing on your own feet without help is an achievement, and that independence deserves to be savoured. Treat yourself to quality rather than quantity, a good meal or a well-made tool. Self-reliance does not mean doing everything alone; it means your security no longer hangs on anybody&apos;s approval. Keep your ambitions high. A person at ease in a house bought with their own effort, with the door shut against the weather, is the whole picture of this card.</source>
        <extracomment>Nine of Diamond: reading</extracomment>
        <translation>Die Karo-Neun feiert Behaglichkeit, die du dir mit eigenen Händen verdient hast. Ohne fremde Hilfe auf eigenen Füßen zu stehen, ist eine Leistung, und diese Unabhängigkeit darf man genießen. Gönn dir Qualität statt Menge, ein gutes Essen oder ein gut gemachtes Werkzeug. Selbstständigkeit heißt nicht, alles allein zu tun; sie heißt, dass deine Sicherheit nicht mehr an der Zustimmung anderer hängt. Steck dir hohe Ziele. Ein Mensch, der es sich im selbst erarbeiteten Haus gemütlich macht, die Tür gegen das Wetter geschlossen: Das ist das ganze Bild dieser Karte.</translation>
    </message>
    <message>
        <source>Self- reliance, self-actualization, independent, satisfied and ambitious.</source>
        <extracomment>Nine of Diamond: keywords</extracomment>
        <translation>Selbstständigkeit, Selbstverwirklichung, Unabhängigkeit, Zufriedenheit und Ehrgeiz.</translation>
    </message>
    <message>
        <source>What have you earned by your own effort that you can enjoy?</source>
        <extracomment>Nine of Diamond: journal question</extracomment>
        <translation>Was hast du dir aus eigener Kraft verdient, das du genießen kannst?</translation>
    </message>
    <message>
        <source>Wealth that outlasts a single payday belongs to the Ten of Diamonds: a home paid off, a business handed on, savings that protect the people who count on you. News of a large purchase or a long-term plan finally coming together could reach you today. Take pleasure in it. Then give an hour to the dull part, the will or the insurance, because comfort that is well guarded can pass from one generation to the next. The story of the earning belongs to the inheritance too, and it is often the part remembered longest.</source>
        <extracomment>Ten of Diamond: reading</extracomment>
        <translation>Wohlstand, der länger hält als ein Zahltag, gehört zur Karo-Zehn: ein abbezahltes Haus, ein weitergegebenes Geschäft, Ersparnisse, die alle schützen, die auf dich zählen. Heute könnte dich die Nachricht erreichen, dass ein großer Kauf oder ein langfristiger Plan endlich zustande kommt. Freu dich daran. Dann widme eine Stunde dem langweiligen Teil, dem Testament oder der Versicherung, denn gut behüteter Wohlstand kann an die nächste Generation gehen. Die Geschichte des Verdienens gehört mit zum Erbe, und oft bleibt gerade sie am längsten in Erinnerung.</translation>
    </message>
    <message>
        <source>Wealth, abundance, family, legacy, security and celebration.</source>
        <extracomment>Ten of Diamond: keywords</extracomment>
        <translation>Wohlstand, Fülle, Familie, Vermächtnis, Sicherheit und Feiern.</translation>
    </message>
    <message>
        <source>What will you hand on one day, and to whom?</source>
        <extracomment>Ten of Diamond: journal question</extracomment>
        <translation>Was wirst du eines Tages weitergeben, und an wen?</translation>
    </message>
    <message>
        <source>Shrewd, good-humoured and impossible to hurry, the King of Diamonds reads every contract twice and enjoys a good haggle. He began with a barrow, now owns the shop on the corner and still counts the till himself. He respects people who know their numbers and forgives almost anything except waste. Before you settle any money matter today, think as he would: facts first, then a fair comparison of the offers. His answer to anyone who presses him to sign at once never changes: then go and sell it to somebody else.</source>
        <extracomment>King of Diamond: reading</extracomment>
        <translation>Gewitzt, gut gelaunt und nicht zu hetzen: Der Karo-König liest jeden Vertrag zweimal und feilscht gern. Er fing mit einem Handkarren an, besitzt heute den Laden an der Ecke und zählt die Kasse noch selbst. Er achtet Menschen, die ihre Zahlen kennen, und verzeiht fast alles außer Verschwendung. Bevor du heute eine Geldfrage regelst, denk wie er: erst die Fakten, dann ein fairer Vergleich der Angebote. Wer ihn drängt, sofort zu unterschreiben, hört immer dieselbe Antwort: Dann verkauf es doch jemand anderem.</translation>
    </message>
    <message>
        <source>Business sense, wisdom, authority, caution and fair dealing.</source>
        <extracomment>King of Diamond: keywords</extracomment>
        <translation>Geschäftssinn, Weisheit, Autorität, Vorsicht und faire Geschäfte.</translation>
    </message>
    <message>
        <source>Which decision deserves facts first and a signature later?</source>
        <extracomment>King of Diamond: journal question</extracomment>
        <translation>Welche Entscheidung verdient erst die Fakten und dann die Unterschrift?</translation>
    </message>
    <message>
        <source>A woman with an eye for quality and a head for sums, the Queen of Diamonds can tell silk from polyester across a room and knows what each costs by the metre. She likes lovely things and is never owned by them. Through her the card invites you to enjoy a little beauty, flowers on the table perhaps, while keeping an honest record of the expense. Her advice about money deserves close attention; her bargains are legendary. Keep your own secrets, though. This Queen loves to talk, and a confidence told to her on Monday is common knowledge along the street by Tuesday.</source>
        <extracomment>Queen of Diamond: reading</extracomment>
        <translation>Eine Frau mit Blick für Qualität und Kopf für Zahlen: Die Karo-Dame erkennt Seide und Polyester quer durch den Raum und weiß, was jedes pro Meter kostet. Sie liebt schöne Dinge, ohne ihnen je zu gehören. Durch sie lädt dich die Karte ein, ein wenig Schönheit zu genießen, vielleicht Blumen auf dem Tisch, und dabei ehrlich Buch über die Kosten zu führen. Ihr Rat in Geldfragen verdient Gehör; ihre Schnäppchen sind legendär. Behalte aber deine Geheimnisse für dich. Diese Dame redet gern, und was man ihr am Montag anvertraut, weiß am Dienstag die ganze Straße.</translation>
    </message>
    <message>
        <source>Resourcefulness, elegance, practicality, good taste and gossip.</source>
        <extracomment>Queen of Diamond: keywords</extracomment>
        <translation>Findigkeit, Eleganz, Sinn fürs Praktische, guter Geschmack und Klatsch.</translation>
    </message>
    <message>
        <source>What lovely thing was worth its price, and which secret is better kept?</source>
        <extracomment>Queen of Diamond: journal question</extracomment>
        <translation>Welches schöne Ding war seinen Preis wert, und welches Geheimnis behältst du besser?</translation>
    </message>
    <message>
        <source>Somewhere between you and the money stands the Knight of Diamonds, a ledger in one pocket and a timetable in the other. He is the go-between of money matters: the courier with the parcel, the agent with the quote, the cousin who knows somebody selling a van. Thorough and in a hurry at once, he can work in your favour today. An offer or a payment might travel towards you through a third person. Read every line before you agree, and ask the question you feel silly asking. If the deal still stands once the figures are checked, take it without further dithering.</source>
        <extracomment>Knights of Diamond: reading</extracomment>
        <translation>Irgendwo zwischen dir und dem Geld steht der Karo-Bube, mit einem Kassenbuch in der einen Tasche und einem Fahrplan in der anderen. Er ist der Mittelsmann in Geldsachen: der Bote mit dem Paket, der Vertreter mit dem Angebot, der Cousin, der jemanden kennt, der einen Transporter verkauft. Gründlich und zugleich in Eile, kann er heute für dich arbeiten. Ein Angebot oder eine Zahlung könnte dich über eine dritte Person erreichen. Lies jede Zeile, bevor du zustimmst, und stell die Frage, die dir albern vorkommt. Hält der Handel, wenn die Zahlen geprüft sind, greif ohne weiteres Zögern zu.</translation>
    </message>
    <message>
        <source>Errands, offers, diligence, careful checks and opportunity.</source>
        <extracomment>Knights of Diamond: keywords</extracomment>
        <translation>Botengänge, Angebote, Sorgfalt, genaue Prüfung und Gelegenheit.</translation>
    </message>
    <message>
        <source>Which figures did you check twice before agreeing?</source>
        <extracomment>Knights of Diamond: journal question</extracomment>
        <translation>Welche Zahlen hast du zweimal geprüft, bevor du zugestimmt hast?</translation>
    </message>
    <message>
        <source>As the symbol itself denotes, the Ace of Hearts symbolizes love card readers have cherished for generations: the first warm stirring of affection, the start of a friendship, the moment a house begins to feel like home. This Ace opens the heart, and an open heart is a gift to everyone near it. The kind word you have been holding back is worth saying, and being looked after for once is no weakness. New love or a happy letter could be on its way. Whatever begins now begins in sincerity, and it deserves the chance to grow.</source>
        <extracomment>Ace of Hearts: reading</extracomment>
        <translation>Wie schon das Zeichen verrät, steht das Herz-Ass für die Liebe, die Kartenleger seit Generationen hochhalten: das erste warme Aufkeimen der Zuneigung, der Beginn einer Freundschaft, der Moment, in dem ein Haus zum Zuhause wird. Dieses Ass öffnet das Herz, und ein offenes Herz ist ein Geschenk für alle in seiner Nähe. Das freundliche Wort, das du zurückhältst, solltest du sagen, und sich umsorgen zu lassen, ist keine Schwäche. Neue Liebe oder ein erfreulicher Brief könnte unterwegs sein. Was jetzt beginnt, beginnt aufrichtig und verdient die Chance zu wachsen.</translation>
    </message>
    <message>
        <source>Love, new affection, sincerity, openness and joy at home.</source>
        <extracomment>Ace of Hearts: keywords</extracomment>
        <translation>Liebe, neue Zuneigung, Aufrichtigkeit, Offenheit und Freude daheim.</translation>
    </message>
    <message>
        <source>Which kind word were you holding back, and did you say it?</source>
        <extracomment>Ace of Hearts: journal question</extracomment>
        <translation>Welches freundliche Wort hast du zurückgehalten, und hast du es gesagt?</translation>
    </message>
    <message>
        <source>Two people find their way to each other in the Two of Hearts. Romance, a close friendship or a reconciliation with someone you had drifted away from: whatever form it takes, the feeling runs both ways. Ask how the other person really is, and answer honestly when the question comes back. Gestures that cost nothing carry great weight here, like tea brought without asking or a hand held a moment longer. If a coolness has crept in with someone dear, take the first step back towards them. On the card itself the two hearts mirror each other, one upright and one upside down.</source>
        <extracomment>Two of Hearts: reading</extracomment>
        <translation>In der Herz-Zwei finden zwei Menschen zueinander. Romanze, enge Freundschaft oder Versöhnung mit jemandem, von dem du dich entfernt hattest: Welche Form es auch annimmt, das Gefühl ist gegenseitig. Frag, wie es dem anderen wirklich geht, und antworte ehrlich, wenn die Frage zurückkommt. Gesten, die nichts kosten, wiegen hier schwer, wie ein ungefragt gebrachter Tee oder eine Hand, die einen Moment länger gehalten wird. Hat sich Kühle zwischen dich und einen lieben Menschen geschlichen, tu den ersten Schritt auf ihn zu. Auf der Karte selbst spiegeln sich die zwei Herzen, eines aufrecht, eines kopfüber.</translation>
    </message>
    <message>
        <source>Harmony, mutual love, tenderness and reconciliation.</source>
        <extracomment>Two of Hearts: keywords</extracomment>
        <translation>Harmonie, gegenseitige Liebe, Zärtlichkeit und Versöhnung.</translation>
    </message>
    <message>
        <source>Who do you miss being close to these days?</source>
        <extracomment>Two of Hearts: journal question</extracomment>
        <translation>Wem wärst du in diesen Tagen gern wieder nah?</translation>
    </message>
    <message>
        <source>Voices fill the house. The Three of Hearts brings company, whether friends dropping by unannounced or a celebration long planned, and laughter comes easily. There is one caution in this cheerful card. When affection is shared among three, somebody can end up feeling left out, and a harmless flirtation can be read as more than it was. Be honest about the feelings you have and about those you lack, and make only promises you intend to keep. Honesty of that sort keeps the whole circle warm.</source>
        <extracomment>Three of Hearts: reading</extracomment>
        <translation>Stimmen füllen das Haus. Die Herz-Drei bringt Gesellschaft, ob Freunde, die unangemeldet vorbeischauen, oder ein lange geplantes Fest, und das Lachen fällt leicht. Eine Warnung birgt diese heitere Karte. Wird Zuneigung unter dreien geteilt, kann sich jemand ausgeschlossen fühlen, und ein harmloser Flirt kann als mehr gedeutet werden, als er war. Steh ehrlich zu den Gefühlen, die du hast, und zu denen, die dir fehlen, und gib nur Versprechen, die du halten willst. Solche Ehrlichkeit hält den ganzen Kreis warm.</translation>
    </message>
    <message>
        <source>Celebration, friendship, gatherings, honesty and clear feelings.</source>
        <extracomment>Three of Hearts: keywords</extracomment>
        <translation>Feiern, Freundschaft, Zusammenkünfte, Ehrlichkeit und klare Gefühle.</translation>
    </message>
    <message>
        <source>Who made you laugh, and was anyone left out of the circle?</source>
        <extracomment>Three of Hearts: journal question</extracomment>
        <translation>Wer hat dich zum Lachen gebracht, und blieb jemand außen vor?</translation>
    </message>
    <message>
        <source>A peaceful home is honoured by the Four of Hearts. Life indoors runs smoothly, and such stability is worth treasuring. Still, a restlessness can stir, a sense that comfort is sliding into routine. Bring the freshness home rather than hunting for it elsewhere; moving the furniture or cooking a dish you have never tried can do more than a trip abroad. In older readings this card could also foretell a change of address, or a commitment that is delayed but happy in the end. Homes stay alive the way fires do, by being stirred now and then.</source>
        <extracomment>Four of Hearts: reading</extracomment>
        <translation>Die Herz-Vier ehrt ein friedliches Zuhause. Das Leben daheim läuft rund, und solche Beständigkeit ist ein Schatz. Doch eine Unruhe kann aufkommen, das Gefühl, dass Behaglichkeit in Routine abgleitet. Hol das Neue nach Hause, statt es anderswo zu suchen; die Möbel umzustellen oder ein nie probiertes Gericht zu kochen, bewirkt oft mehr als eine Auslandsreise. In älteren Deutungen kündigte die Karte auch einen Umzug an oder eine Bindung, die sich verzögert, aber glücklich endet. Ein Zuhause bleibt lebendig wie ein Feuer: indem man es ab und zu schürt.</translation>
    </message>
    <message>
        <source>Domestic peace, stability, renewal, home and commitment.</source>
        <extracomment>Four of Hearts: keywords</extracomment>
        <translation>Häuslicher Frieden, Beständigkeit, Erneuerung, Zuhause und Bindung.</translation>
    </message>
    <message>
        <source>What one change would make home feel fresh again?</source>
        <extracomment>Four of Hearts: journal question</extracomment>
        <translation>Welche einzelne Änderung brächte frischen Wind in dein Zuhause?</translation>
    </message>
    <message>
        <source>Some feelings are hard to name, and the Five of Hearts stirs a few of them. A disappointment or a flash of jealousy can surface, and it is tempting to let it tint the whole day. Look at it gently instead; a feeling like this wants understanding more than obedience. Talking to someone you trust helps, as does a letter you never send. When the cloud passes you will see which attachments still deserve your love and which you are ready to let go at last.</source>
        <extracomment>Five of Hearts: reading</extracomment>
        <translation>Manche Gefühle sind schwer zu benennen, und die Herz-Fünf rührt einige auf. Enttäuschung oder ein Anflug von Eifersucht kann hochkommen, und es lockt, den ganzen Tag davon färben zu lassen. Betrachte sie lieber behutsam; so ein Gefühl will eher verstanden als befolgt werden. Ein Gespräch mit einem Menschen deines Vertrauens hilft, ebenso ein Brief, den du nie abschickst. Zieht die Wolke weiter, siehst du, welche Bindungen deine Liebe noch verdienen und welche du endlich loslassen kannst.</translation>
    </message>
    <message>
        <source>Mixed emotions, disappointment, reflection, release and healing.</source>
        <extracomment>Five of Hearts: keywords</extracomment>
        <translation>Gemischte Gefühle, Enttäuschung, Besinnung, Loslassen und Heilung.</translation>
    </message>
    <message>
        <source>Which feeling was hard to name, and what was it asking for?</source>
        <extracomment>Five of Hearts: journal question</extracomment>
        <translation>Welches Gefühl war schwer zu benennen, und worum bat es dich?</translation>
    </message>
    <message>
        <source>Sweet memories drift back with the Six of Hearts: a childhood street, a first home, a friend from long ago. They carry warmth rather than sorrow, and they remind you of who you were before life grew complicated. Someone from your past could get in touch, or you might feel moved to write first. Simple generosity is favoured as well. A present given for no occasion, or an errand run for a neighbour who cannot manage it, pleases the giver as much as the one who receives. The plainest pleasures often prove the richest.</source>
        <extracomment>Six of Hearts: reading</extracomment>
        <translation>Süße Erinnerungen kehren mit der Herz-Sechs zurück: eine Straße aus der Kindheit, ein erstes Zuhause, ein Freund von früher. Sie bringen Wärme statt Kummer und erinnern dich daran, wer du warst, bevor das Leben kompliziert wurde. Jemand aus deiner Vergangenheit könnte sich melden, oder dir ist danach, selbst zuerst zu schreiben. Auch schlichte Großzügigkeit ist begünstigt. Ein Geschenk ohne Anlass oder eine Besorgung für einen Nachbarn, der es nicht schafft, freut den Gebenden ebenso wie den Beschenkten. Die einfachsten Freuden sind oft die reichsten.</translation>
    </message>
    <message>
        <source>Nostalgia, childhood, old friends, kindness and simple joys.</source>
        <extracomment>Six of Hearts: keywords</extracomment>
        <translation>Nostalgie, Kindheit, alte Freunde, Freundlichkeit und einfache Freuden.</translation>
    </message>
    <message>
        <source>Which memory from long ago came back to you?</source>
        <extracomment>Six of Hearts: journal question</extracomment>
        <translation>Welche Erinnerung von früher ist zu dir zurückgekehrt?</translation>
    </message>
    <message>
        <source>Possibilities crowd around you, and the Seven of Hearts warns that not all of them are what they seem. A charming promise or an offer that sounds too good to be true could tempt you. Enjoy the imagining, but take time before acting on it. This is an old card of changeable affections, so judge people by what they do over weeks, never by what they say over one glass of wine. When the choice comes, pick the real thing over the glittering one. Mirages, after all, look most convincing to the thirsty.</source>
        <extracomment>Seven of Hearts: reading</extracomment>
        <translation>Möglichkeiten drängen sich um dich, und die Herz-Sieben warnt, dass nicht alle sind, was sie scheinen. Ein reizendes Versprechen oder ein Angebot, das zu schön klingt, um wahr zu sein, könnte dich locken. Genieße das Ausmalen, aber lass dir Zeit, bevor du danach handelst. Dies ist eine alte Karte wankelmütiger Zuneigung, also beurteile Menschen nach dem, was sie über Wochen tun, nie nach dem, was sie bei einem Glas Wein sagen. Kommt die Wahl, nimm das Echte statt des Glitzernden. Trugbilder wirken schließlich auf Durstige am überzeugendsten.</translation>
    </message>
    <message>
        <source>Temptation, illusions, choices, discernment, patience and steadiness.</source>
        <extracomment>Seven of Hearts: keywords</extracomment>
        <translation>Versuchung, Illusionen, Wahl, Urteilskraft, Geduld und Beständigkeit.</translation>
    </message>
    <message>
        <source>What do the facts say about the promise that sounded too good?</source>
        <extracomment>Seven of Hearts: journal question</extracomment>
        <translation>Was sagen die Tatsachen über das Versprechen, das zu schön klang?</translation>
    </message>
    <message>
        <source>Expect an invitation from the Eight of Hearts, perhaps to a wedding or to a table where you know only the host, and you will be glad you said yes. This sociable, generous card rewards anyone who turns up. Wear something you love, and let yourself be entertained. A conversation begun at such a gathering could deepen a friendship or start a romance. If you have kept to yourself lately, here is an opening to come back into the warmth of your own people.</source>
        <extracomment>Eight of Hearts: reading</extracomment>
        <translation>Die Herz-Acht verspricht eine Einladung, vielleicht zu einer Hochzeit oder an einen Tisch, an dem du nur den Gastgeber kennst, und du wirst froh sein, zugesagt zu haben. Diese gesellige, großzügige Karte belohnt jeden, der hingeht. Trag etwas, das du liebst, und lass dich unterhalten. Ein Gespräch bei solch einem Treffen kann eine Freundschaft vertiefen oder eine Romanze beginnen. Warst du zuletzt viel für dich, ist dies eine Gelegenheit, zurück in die Wärme deiner Leute zu kommen.</translation>
    </message>
    <message>
        <source>Invitations, gatherings, generosity, romance and warmth.</source>
        <extracomment>Eight of Hearts: keywords</extracomment>
        <translation>Einladungen, Zusammenkünfte, Großzügigkeit, Romantik und Wärme.</translation>
    </message>
    <message>
        <source>Which invitation would you like to accept, or to send?</source>
        <extracomment>Eight of Hearts: journal question</extracomment>
        <translation>Welche Einladung würdest du gern annehmen oder selbst aussprechen?</translation>
    </message>
    <message>
        <source>Known everywhere as the wish card, the Nine of Hearts is counted by many readers the luckiest in the deck. A hope you have held close, perhaps for years, is nearing fulfilment. Name your wish plainly, if only to yourself, and then behave as though it could come true. Happiness is close at hand, romance too. Make time to relax and enjoy them instead of scanning the horizon for the next worry. Contentment is knocking; let it in without asking whether you have deserved it.</source>
        <extracomment>Nine of Hearts: reading</extracomment>
        <translation>Überall als Wunschkarte bekannt, gilt die Herz-Neun vielen Kartenlegern als glücklichste des Spiels. Eine Hoffnung, die du vielleicht seit Jahren hegst, geht bald in Erfüllung. Sprich deinen Wunsch klar aus, und sei es nur für dich, und verhalte dich dann, als könnte er wahr werden. Das Glück ist nah, die Liebe auch. Nimm dir Zeit, dich zu entspannen und beides zu genießen, statt den Horizont nach der nächsten Sorge abzusuchen. Die Zufriedenheit klopft an; lass sie herein, ohne zu fragen, ob du sie verdient hast.</translation>
    </message>
    <message>
        <source>love, romance, joy, happiness and relaxing.</source>
        <extracomment>Nine of Hearts: keywords</extracomment>
        <translation>Liebe, Romantik, Freude, Glück und Entspannung.</translation>
    </message>
    <message>
        <source>If you named your wish plainly, what would it be?</source>
        <extracomment>Nine of Hearts: journal question</extracomment>
        <translation>Wenn du deinen Wunsch klar aussprichst, wie lautet er?</translation>
    </message>
    <message>
        <source>Love grown to its full size is the subject of the Ten of Hearts. What started as one affection has become a household: the ones who know how you take your tea, who turn up without being asked, who have seen you at your worst and stayed. Whether they are kin by blood or by choice makes no difference here. Good news about a home or a wedding is traditional with this card, as is plain contentment, the kind nobody notices until it is named. Picture a table with every chair taken and the talk running over itself: that noise is what this card sounds like.</source>
        <extracomment>Ten of Hearts: reading</extracomment>
        <translation>Die Herz-Zehn handelt von Liebe, die zu voller Größe gewachsen ist. Was mit einer einzigen Zuneigung begann, ist zu einer Familie geworden: die, die wissen, wie du deinen Tee trinkst, die ungefragt kommen, die dich von deiner schlechtesten Seite gesehen haben und geblieben sind. Ob verwandt durch Blut oder durch Wahl, macht keinen Unterschied. Gute Nachrichten rund um Haus oder Hochzeit gehören traditionell zu dieser Karte, ebenso schlichte Zufriedenheit, die keiner bemerkt, bis man sie benennt. Stell dir einen Tisch vor, an dem jeder Stuhl besetzt ist und alle durcheinanderreden: So klingt diese Karte.</translation>
    </message>
    <message>
        <source>Family happiness, fulfilment, lasting love, home and celebration.</source>
        <extracomment>Ten of Hearts: keywords</extracomment>
        <translation>Familienglück, Erfüllung, dauerhafte Liebe, Zuhause und Feiern.</translation>
    </message>
    <message>
        <source>Who are the people you count as your own?</source>
        <extracomment>Ten of Hearts: journal question</extracomment>
        <translation>Wer sind die Menschen, die du zu den Deinen zählst?</translation>
    </message>
    <message>
        <source>Picture a man who remembers the names of his neighbours&apos; children and still gets choked up at weddings. The King of Hearts is warm, generous and a touch impulsive, quick to anger and quicker to forgive. Someone with his warmth could settle a quarrel in your circle today; let him. If nobody steps forward, the part is yours. Hearing both sides before you judge is half the work, and comfort offered without a lecture is the other half. His temper flares like a match and goes out as fast, and nobody who knows him holds it against him.</source>
        <extracomment>King of Hearts: reading</extracomment>
        <translation>Stell dir einen Mann vor, der die Namen der Nachbarskinder kennt und bei Hochzeiten noch immer feuchte Augen bekommt. Der Herz-König ist warm, großzügig und ein wenig impulsiv, schnell im Zorn und schneller im Verzeihen. Jemand mit seiner Wärme könnte heute einen Streit in deinem Kreis schlichten; lass ihn. Tritt niemand vor, fällt die Rolle dir zu. Beide Seiten anzuhören, bevor du urteilst, ist die halbe Arbeit, und Trost ohne Belehrung die andere Hälfte. Sein Zorn flammt auf wie ein Streichholz und erlischt ebenso schnell, und keiner, der ihn kennt, trägt es ihm nach.</translation>
    </message>
    <message>
        <source>Warmth, generosity, quick temper, forgiveness and fairness.</source>
        <extracomment>King of Hearts: keywords</extracomment>
        <translation>Wärme, Großzügigkeit, Jähzorn, Vergebung und Gerechtigkeit.</translation>
    </message>
    <message>
        <source>Which quarrel needs both sides heard before anyone judges it?</source>
        <extracomment>King of Hearts: journal question</extracomment>
        <translation>Welcher Streit braucht das Gehör beider Seiten, bevor jemand urteilt?</translation>
    </message>
    <message>
        <source>The kettle is always on at the Queen of Hearts&apos; table. She is the woman everyone rings in a crisis, who remembers every birthday and turns up with soup when you are ill. Her gift is intuition, a feeling for what others need before they say it. Her kind of attention is catching: a pot of something warm carried next door, or a note to someone lonely, will be remembered when the pot is long empty. Look after yourself with equal care, though, and keep one hour for your own heart. Even she sits down at last with the final cup from the pot.</source>
        <extracomment>Queen of Hearts: reading</extracomment>
        <translation>Bei der Herz-Dame steht immer eine Kanne Tee bereit. Sie ist die Frau, die jeder in der Not anruft, die an jeden Geburtstag denkt und mit Suppe vor der Tür steht, wenn du krank bist. Ihre Gabe ist Intuition, ein Gespür dafür, was andere brauchen, bevor sie es sagen. Ihre Art von Zuwendung steckt an: Ein Topf mit etwas Warmem nach nebenan gebracht oder ein paar Zeilen an jemanden, der einsam ist, bleiben in Erinnerung, wenn der Topf längst leer ist. Sorge aber ebenso gut für dich und halte eine Stunde für dein eigenes Herz frei. Selbst sie setzt sich am Ende mit der letzten Tasse hin.</translation>
    </message>
    <message>
        <source>Nurturing, devotion, intuition, compassion, comfort and self-care.</source>
        <extracomment>Queen of Hearts: keywords</extracomment>
        <translation>Fürsorge, Hingabe, Intuition, Mitgefühl, Trost und Selbstfürsorge.</translation>
    </message>
    <message>
        <source>Whose need did you sense before they said it?</source>
        <extracomment>Queen of Hearts: journal question</extracomment>
        <translation>Wessen Bedürfnis hast du gespürt, bevor es ausgesprochen wurde?</translation>
    </message>
    <message>
        <source>Charming, attentive and a little too fond of grand gestures, the Knight of Hearts courts the world. He could be an admirer, or the friend who sends flowers for no reason at all. In his company romance feels easy and a surprise is never far away. Enjoy the attention, and return it if you mean it. Let feelings take their time. A tender gesture is lovely; a rash promise made by candlelight is hard to unsay.</source>
        <extracomment>Knights of Hearts: reading</extracomment>
        <translation>Charmant, aufmerksam und etwas zu verliebt in große Gesten: So umwirbt der Herz-Bube die Welt. Er könnte ein Verehrer sein oder der Freund, der grundlos Blumen schickt. In seiner Nähe fällt Romantik leicht, und eine Überraschung ist nie weit. Genieß die Aufmerksamkeit und erwidere sie, wenn du es ernst meinst. Lass Gefühlen ihre Zeit. Eine zärtliche Geste ist schön; ein vorschnelles Versprechen bei Kerzenlicht nimmt man schwer zurück.</translation>
    </message>
    <message>
        <source>Romance, devotion, charm, good company and open hearts.</source>
        <extracomment>Knights of Hearts: keywords</extracomment>
        <translation>Romantik, Hingabe, Charme, gute Gesellschaft und offene Herzen.</translation>
    </message>
    <message>
        <source>What gesture of affection would you make if you had the nerve?</source>
        <extracomment>Knights of Hearts: journal question</extracomment>
        <translation>Welche liebevolle Geste würdest du machen, wenn du dich trautest?</translation>
    </message>
    <message>
        <source>Feared by many, the Ace of Spades is really a card of transformation. Some part of your life is ending, or needs to end, so that something sturdier can take its place, whether a habit or a belief that has run its course. Remember that a spade is also a digging tool, the blade that breaks hard earth so that roots can take hold. Endings are rarely comfortable, but this Ace offers a clean cut. Decide what no longer serves you, and act on it without apology. Whatever grows in the cleared ground will be truly yours.</source>
        <extracomment>Ace of Spades: reading</extracomment>
        <translation>Von vielen gefürchtet, ist das Pik-Ass in Wahrheit eine Karte der Wandlung. Ein Teil deines Lebens geht zu Ende oder muss enden, damit Festeres an seine Stelle treten kann, sei es eine Gewohnheit oder eine Überzeugung, die sich überlebt hat. Denk daran, dass das Pik einem Spatenblatt gleicht, der Klinge, die harte Erde aufbricht, damit Wurzeln greifen können. Ein Ende ist selten bequem, doch dieses Ass bietet einen sauberen Schnitt. Entscheide, was dir nicht mehr dient, und handle ohne Entschuldigung. Was im geräumten Boden wächst, gehört wirklich dir.</translation>
    </message>
    <message>
        <source>Transformation, endings, decisiveness and renewal.</source>
        <extracomment>Ace of Spades: keywords</extracomment>
        <translation>Wandlung, Abschlüsse, Entschlossenheit und Erneuerung.</translation>
    </message>
    <message>
        <source>What is ending, and what should grow in its place?</source>
        <extracomment>Ace of Spades: journal question</extracomment>
        <translation>Was geht zu Ende, und was soll an seiner Stelle wachsen?</translation>
    </message>
    <message>
        <source>Stalemate is the word for the Two of Spades. Two paths or two loyalties pull you in opposite directions, and not choosing at all can look tempting. Putting it off only leaves you standing at the crossroads. Look squarely at the whole situation; facts help, and your instinct helps too, though no choice will be perfect. A tense conversation might be needed, and a truce is possible if both sides are honest about what they want. In tarot the matching picture is a blindfolded woman holding two crossed swords, perfectly balanced and going nowhere.</source>
        <extracomment>Two of Spades: reading</extracomment>
        <translation>Patt ist das Wort für die Pik-Zwei. Zwei Wege oder zwei Loyalitäten ziehen dich in entgegengesetzte Richtungen, und gar nicht zu wählen kann locken. Aufschieben lässt dich nur an der Kreuzung stehen. Sieh dir die ganze Lage offen an; Fakten helfen und dein Gespür ebenso, wenn auch keine Wahl vollkommen sein wird. Ein angespanntes Gespräch kann nötig sein, und ein Waffenstillstand ist möglich, wenn beide Seiten ehrlich sagen, was sie wollen. Im Tarot zeigt das passende Bild eine Frau mit verbundenen Augen und zwei gekreuzten Schwertern, vollkommen im Gleichgewicht und ohne vom Fleck zu kommen.</translation>
    </message>
    <message>
        <source>Difficult choices, stalemate, truth, truce and commitment.</source>
        <extracomment>Two of Spades: keywords</extracomment>
        <translation>Schwere Wahl, Patt, Wahrheit, Waffenruhe und Bindung.</translation>
    </message>
    <message>
        <source>What fact would settle the choice you keep putting off?</source>
        <extracomment>Two of Spades: journal question</extracomment>
        <translation>Welche Tatsache würde die Wahl entscheiden, die du immer wieder aufschiebst?</translation>
    </message>
    <message>
        <source>The Three of Spades denotes destruction. Something in your life has reached the point where it cannot be mended, and the card asks you to stop pretending otherwise. It could be a quarrel that keeps returning or a partnership built on unequal terms. Separation can hurt, but it can also free you. Look honestly at your own part in the conflict, so that you do not carry it into what comes next. From the rubble you can build a more independent life, one chosen with open eyes. A new phase begins once you let the old one go.</source>
        <extracomment>Three of Spades: reading</extracomment>
        <translation>Die Pik-Drei steht für Zerstörung. Etwas in deinem Leben ist an einem Punkt, an dem es sich nicht mehr kitten lässt, und die Karte bittet dich, nicht länger so zu tun, als wäre es anders. Es kann ein Streit sein, der immer wiederkehrt, oder eine Partnerschaft zu ungleichen Bedingungen. Trennung kann wehtun, aber auch befreien. Sieh ehrlich auf deinen eigenen Anteil am Konflikt, damit du ihn nicht ins Nächste mitnimmst. Aus den Trümmern kannst du ein unabhängigeres Leben bauen, mit offenen Augen gewählt. Eine neue Phase beginnt, sobald du die alte gehen lässt.</translation>
    </message>
    <message>
        <source>Independent, self-destructive, conflicts, separation and starting a new phase of life.</source>
        <extracomment>Three of Spades: keywords</extracomment>
        <translation>Unabhängigkeit, Selbstzerstörung, Konflikte, Trennung und der Beginn eines neuen Lebensabschnitts.</translation>
    </message>
    <message>
        <source>What are you still trying to mend that cannot be mended?</source>
        <extracomment>Three of Spades: journal question</extracomment>
        <translation>Was versuchst du noch zu kitten, das sich nicht mehr kitten lässt?</translation>
    </message>
    <message>
        <source>Rest and recovery are the business of the Four of Spades. If the last stretch has been hard, body and mind need time to mend, and pushing on regardless only delays the return of your strength. Cancel whatever can be cancelled and turn down the noise. Problems will wait a day or two; most will still be there, and will find you better prepared. Old books connect this card with a minor illness and with the calm that follows it, when the house goes still and the mending gets done. Treat the pause as a hearth where your strength warms itself again.</source>
        <extracomment>Four of Spades: reading</extracomment>
        <translation>Ruhe und Erholung sind die Sache der Pik-Vier. War die letzte Strecke hart, brauchen Körper und Geist Zeit zum Heilen, und stur weiterzumachen verzögert nur die Rückkehr deiner Kraft. Sag ab, was sich absagen lässt, und dreh den Lärm leiser. Probleme warten ein, zwei Tage; die meisten sind dann noch da und finden dich besser vorbereitet. Alte Bücher verbinden diese Karte mit einer leichten Krankheit und der Ruhe danach, wenn das Haus still wird und die Heilung geschieht. Sieh die Pause als Herd, an dem sich deine Kraft wieder aufwärmt.</translation>
    </message>
    <message>
        <source>Rest, recovery, retreat, healing and quiet preparation.</source>
        <extracomment>Four of Spades: keywords</extracomment>
        <translation>Ruhe, Erholung, Rückzug, Heilung und stille Vorbereitung.</translation>
    </message>
    <message>
        <source>What could you cancel or postpone to make room for rest?</source>
        <extracomment>Four of Spades: journal question</extracomment>
        <translation>Was könntest du absagen oder verschieben, um Raum für Ruhe zu schaffen?</translation>
    </message>
    <message>
        <source>Nobody really wins the battle the Five of Spades describes. An argument can tempt you to prove yourself right at any cost, and the price could be higher than the prize. What do you actually want from this conflict? Often the wiser move is to step away with your dignity whole and your temper cool. If someone has wronged you, one clear boundary, stated once, does more than any amount of argument. Setbacks of this sort are temporary, and the respect you keep by declining a petty fight outlasts them by years.</source>
        <extracomment>Five of Spades: reading</extracomment>
        <translation>Den Kampf, den die Pik-Fünf beschreibt, gewinnt niemand wirklich. Ein Streit kann dich reizen, um jeden Preis recht zu behalten, und der Preis könnte höher sein als der Gewinn. Was willst du von diesem Konflikt eigentlich? Oft ist es klüger, mit heiler Würde und kühlem Kopf beiseitezutreten. Hat dir jemand Unrecht getan, bewirkt eine klare Grenze, einmal ausgesprochen, mehr als jedes Streiten. Rückschläge dieser Art sind vorübergehend, und der Respekt, den du dir bewahrst, indem du einen kleinlichen Kampf ausschlägst, überdauert sie um Jahre.</translation>
    </message>
    <message>
        <source>Conflict, setbacks, boundaries, dignity, restraint and wise retreat.</source>
        <extracomment>Five of Spades: keywords</extracomment>
        <translation>Konflikt, Rückschläge, Grenzen, Würde, Zurückhaltung und kluger Rückzug.</translation>
    </message>
    <message>
        <source>Which fight is not worth winning?</source>
        <extracomment>Five of Spades: journal question</extracomment>
        <translation>Welcher Kampf ist den Sieg nicht wert?</translation>
    </message>
    <message>
        <source>Rough water falls behind you under the Six of Spades. If trouble has dogged you, it begins to ease, not all at once but by degrees, the way a ferry nearing the far shore feels the water calm under its hull. Cartomancers have long linked it with a journey, often over water, and with a move away from difficulty rather than a victory over it. You need not have solved everything to be better off; distance does a good deal of the mending. Pack only what the crossing requires and leave the rest on the quay. Improvement that comes this way is slow, which is exactly why it tends to last.</source>
        <extracomment>Six of Spades: reading</extracomment>
        <translation>Unter der Pik-Sechs bleibt das raue Wasser hinter dir. Hat dich Ärger verfolgt, lässt er nach, nicht auf einmal, sondern nach und nach, so wie eine Fähre nahe dem anderen Ufer spürt, wie das Wasser unter dem Rumpf ruhiger wird. Kartenleger verbinden sie seit Langem mit einer Reise, oft über Wasser, und mit einem Weg fort von Schwierigkeiten statt einem Sieg über sie. Du musst nicht alles gelöst haben, um besser dran zu sein; Abstand leistet einen guten Teil der Heilung. Pack nur ein, was die Überfahrt braucht, und lass den Rest am Kai. Besserung auf diesem Weg kommt langsam, und genau darum hält sie meist an.</translation>
    </message>
    <message>
        <source>Passage, gradual improvement, journeys, calmer waters and relief.</source>
        <extracomment>Six of Spades: keywords</extracomment>
        <translation>Überfahrt, langsame Besserung, Reisen, ruhigeres Wasser und Erleichterung.</translation>
    </message>
    <message>
        <source>What are you leaving behind, and what goes with you across the water?</source>
        <extracomment>Six of Spades: journal question</extracomment>
        <translation>Was lässt du zurück, und was nimmst du mit übers Wasser?</translation>
    </message>
    <message>
        <source>Keep your wits about you when the Seven of Spades appears. Someone might not be telling the whole story, or a plan that looks simple could hide complications. Blind trust would be unwise today, and suspicion of everyone just as unwise; what the day asks for is attention. Check the details and keep private matters private. A loan you cannot afford to lose is one you cannot afford to make. Where petty deceptions are about, the surest protection is honesty, including honesty with yourself about what you hope to hear.</source>
        <extracomment>Seven of Spades: reading</extracomment>
        <translation>Bleib wachsam, wenn die Pik-Sieben erscheint. Vielleicht erzählt jemand nicht die ganze Geschichte, oder ein Plan, der einfach aussieht, hat seine Tücken. Blindes Vertrauen wäre heute unklug, Misstrauen gegen alle ebenso; der Tag verlangt Aufmerksamkeit. Prüfe die Einzelheiten und behalte Privates für dich. Verleih nur Geld, dessen Verlust du verschmerzen kannst. Wo kleine Täuschungen umgehen, schützt Ehrlichkeit am sichersten, auch dir selbst gegenüber: Was möchtest du eigentlich hören?</translation>
    </message>
    <message>
        <source>Caution, deception, vigilance and plain honesty.</source>
        <extracomment>Seven of Spades: keywords</extracomment>
        <translation>Vorsicht, Täuschung, Wachsamkeit und schlichte Ehrlichkeit.</translation>
    </message>
    <message>
        <source>What detail deserves a second look before you trust it?</source>
        <extracomment>Seven of Spades: journal question</extracomment>
        <translation>Welche Einzelheit verdient einen zweiten Blick, bevor du ihr traust?</translation>
    </message>
    <message>
        <source>The Eight of Spades draws a fence around the day: plans stall, answers are slow, and every way forward seems shut. Walk the whole fence before you decide it has no gate. Some of its posts are real limits; others are only worry, and worry gives way when you lean on it. Pick one job that you can finish today and finish it. With patience and a fresh angle you will find the gate.</source>
        <extracomment>Eight of Spades: reading</extracomment>
        <translation>Die Pik-Acht zieht einen Zaun um den Tag: Pläne stocken, Antworten dauern, und jeder Weg nach vorn scheint verschlossen. Geh den ganzen Zaun ab, bevor du glaubst, er habe kein Tor. Manche Pfosten sind echte Grenzen, andere nur Sorge, und Sorge gibt nach, wenn du dich dagegenlehnst. Nimm dir eine Aufgabe vor, die du heute schaffen kannst, und schaff sie. Mit Geduld und einem frischen Blick findest du das Tor.</translation>
    </message>
    <message>
        <source>Restriction, frustration, patience, perspective and small steps.</source>
        <extracomment>Eight of Spades: keywords</extracomment>
        <translation>Einschränkung, Frust, Geduld, neuer Blickwinkel und kleine Schritte.</translation>
    </message>
    <message>
        <source>Which limits are real, and which are only worry?</source>
        <extracomment>Eight of Spades: journal question</extracomment>
        <translation>Welche Grenzen sind echt, und welche sind nur Sorge?</translation>
    </message>
    <message>
        <source>Of all the cards, the Nine of Spades has the heaviest name, linked with worry and sleepless nights. If anxiety sits with you today, remember that fears grow tall in the dark and shrink in daylight. Writing down what troubles you helps to sort the real problems from the imagined ones, and the real ones are easier to share. Resilience is being tested, and it has held under strain before. Every hardship you come through becomes part of the strength you draw on later. When the day is done, put the phone away early and let sleep do part of the work.</source>
        <extracomment>Nine of Spades: reading</extracomment>
        <translation>Von allen Karten hat die Pik-Neun den düstersten Ruf, verbunden mit Sorgen und schlaflosen Nächten. Sitzt heute die Angst bei dir, denk daran, dass Ängste im Dunkeln groß werden und im Tageslicht schrumpfen. Aufzuschreiben, was dich bedrückt, hilft, echte Probleme von eingebildeten zu trennen, und die echten lassen sich leichter teilen. Deine Widerstandskraft wird geprüft, und sie hat schon früher unter Druck gehalten. Jede Härte, die du durchstehst, wird Teil der Stärke, aus der du später schöpfst. Leg am Abend das Handy früh weg und lass den Schlaf einen Teil der Arbeit tun.</translation>
    </message>
    <message>
        <source>Anxiety, worry, resilience, courage and asking for help.</source>
        <extracomment>Nine of Spades: keywords</extracomment>
        <translation>Angst, Sorge, Widerstandskraft, Mut und um Hilfe bitten.</translation>
    </message>
    <message>
        <source>What is the worry, written down in plain words?</source>
        <extracomment>Nine of Spades: journal question</extracomment>
        <translation>Was ist die Sorge, in schlichten Worten aufgeschrieben?</translation>
    </message>
    <message>
        <source>With the Ten of Spades something is finished, and finished for good. Older readers tied it to grief and unwelcome news, and it can carry both; what it does not carry is more of the same. If something has been hurting you, it has nowhere further to go. A parting can sting even when it was overdue, and it is allowed to. Notice which habit went with it, and do not pick that habit up again out of loyalty to the past. Ten completes the suit: from here the next deal starts with an Ace, and those same readers held that prosperity comes after the mourning.</source>
        <extracomment>Ten of Spades: reading</extracomment>
        <translation>Mit der Pik-Zehn ist etwas vorbei, und zwar endgültig. Ältere Kartenleger verbanden sie mit Trauer und unwillkommenen Nachrichten, und sie kann beides bringen; was sie nicht bringt, ist mehr vom Gleichen. Hat dich etwas verletzt, kann es dir nun nichts mehr anhaben. Ein Abschied kann schmerzen, selbst wenn er überfällig war, und er darf es. Achte darauf, welche Gewohnheit mit ihm ging, und nimm sie nicht aus Treue zur Vergangenheit wieder auf. Die Zehn vollendet die Farbe: Danach beginnt das nächste Geben mit einem Ass, und dieselben Kartenleger meinten, nach der Trauer komme Wohlstand.</translation>
    </message>
    <message>
        <source>New beginning, realization, end of bad habits, painful parting and prosperous. </source>
        <extracomment>Ten of Spades: keywords</extracomment>
        <translation>Neubeginn, Erkenntnis, Ende schlechter Gewohnheiten, schmerzlicher Abschied und Wohlstand.</translation>
    </message>
    <message>
        <source>Which habit can leave along with what has ended?</source>
        <extracomment>Ten of Spades: journal question</extracomment>
        <translation>Welche Gewohnheit darf mit dem gehen, was zu Ende ist?</translation>
    </message>
    <message>
        <source>Cold air and clear thinking come with the King of Spades, a man whose word carries weight. He might be a judge or a surgeon, or the examiner who reads in silence and then asks the one question you hoped to avoid. He is neither cruel nor kind; he is exact. When a decision of that formal kind is due, go prepared: know your rights, have your papers in order and keep your answers brief. Few argue with his verdicts, because he always shows his reasons.</source>
        <extracomment>King of Spades: reading</extracomment>
        <translation>Kalte Luft und klares Denken kommen mit dem Pik-König, einem Mann, dessen Wort Gewicht hat. Er könnte Richter sein oder Chirurg oder der Prüfer, der schweigend liest und dann die eine Frage stellt, der du ausweichen wolltest. Er ist weder grausam noch gütig; er ist genau. Steht eine solche förmliche Entscheidung an, geh vorbereitet hin: Kenne deine Rechte, halte deine Unterlagen bereit und fasse dich kurz. Kaum jemand widerspricht seinen Urteilen, denn er nennt stets seine Gründe.</translation>
    </message>
    <message>
        <source>Authority, judgement, fairness and preparation.</source>
        <extracomment>King of Spades: keywords</extracomment>
        <translation>Autorität, Urteilskraft, Gerechtigkeit und Vorbereitung.</translation>
    </message>
    <message>
        <source>What decision needs your reasons set down on paper?</source>
        <extracomment>King of Spades: journal question</extracomment>
        <translation>Welche Entscheidung braucht deine Gründe schwarz auf weiß?</translation>
    </message>
    <message>
        <source>Life has not been easy for the Queen of Spades, and it has left her clear-eyed rather than bitter. She has stopped pretending, and her dry wit spares no one, herself least of all. Flattery bores her. She will tell you what you need to hear instead of what you would like to hear, and she deserves thanks for it, though it stings. She also stands for clarity you have earned yourself, the kind hard experience teaches: boundaries drawn without apology and the true thing said plainly. Her smile is rare, and worth more for it.</source>
        <extracomment>Queen of Spades: reading</extracomment>
        <translation>Das Leben hat es der Pik-Dame nicht leicht gemacht, und es hat sie klarsichtig gemacht statt bitter. Sie hat aufgehört, sich zu verstellen, und ihr trockener Witz verschont niemanden, sie selbst am wenigsten. Schmeichelei langweilt sie. Sie sagt dir, was du hören musst, statt was du hören möchtest, und verdient Dank dafür, auch wenn es wehtut. Sie steht auch für selbst erworbene Klarheit, wie nur harte Erfahrung sie lehrt: Grenzen, ohne Entschuldigung gezogen, und das Wahre schlicht gesagt. Ihr Lächeln ist selten und darum umso mehr wert.</translation>
    </message>
    <message>
        <source>Independence, perception, honesty, boundaries and resilience.</source>
        <extracomment>Queen of Spades: keywords</extracomment>
        <translation>Unabhängigkeit, Scharfblick, Ehrlichkeit, Grenzen und Widerstandskraft.</translation>
    </message>
    <message>
        <source>What true thing needs saying plainly, to someone or to yourself?</source>
        <extracomment>Queen of Spades: journal question</extracomment>
        <translation>Welche Wahrheit musst du schlicht aussprechen, vor jemandem oder vor dir selbst?</translation>
    </message>
    <message>
        <source>The Knight of Spades fights for whatever cause he takes up and seldom stops to ask whether the fight is needed. You might meet him as a blunt acquaintance or a rival who plays to win, or find him in your own temper. Sharp words could come your way today. Before reacting, separate what was said from how it was said; there is often useful truth under bad manners. Rushing in is his fault, not a virtue to copy, since a curt reply or a reckless decision can take weeks to undo. Courage that waits on judgement serves better than courage that charges.</source>
        <extracomment>Knights of Spades: reading</extracomment>
        <translation>Der Pik-Bube kämpft für jede Sache, die er aufgreift, und fragt selten, ob der Kampf nötig ist. Du begegnest ihm vielleicht als unverblümtem Bekannten oder als Rivalen, der auf Sieg spielt, oder in deinem eigenen Temperament. Heute könnten dich scharfe Worte treffen. Bevor du reagierst, trenne das Was vom Wie; unter schlechten Manieren steckt oft nützliche Wahrheit. Das Dreinstürmen ist sein Fehler, kein Vorbild, denn eine schroffe Antwort oder ein leichtsinniger Entschluss lässt sich oft erst nach Wochen geradebiegen. Mut, der auf Urteilskraft wartet, dient besser als Mut, der losstürmt.</translation>
    </message>
    <message>
        <source>Bluntness, impulse, haste, hard truths and courage.</source>
        <extracomment>Knights of Spades: keywords</extracomment>
        <translation>Unverblümtheit, Ungestüm, Hast, harte Wahrheiten und Mut.</translation>
    </message>
    <message>
        <source>Was there any truth under the sharp words you heard?</source>
        <extracomment>Knights of Spades: journal question</extracomment>
        <translation>Steckte in den scharfen Worten, die du gehört hast, ein Körnchen Wahrheit?</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: %1 [/STARTUP]
Shows a playing card for the day with its reading.

  /STARTUP       started at log-on: wait in the system tray when so chosen
  -h, --help     show this help and exit
  -v, --version  show the version and exit
</source>
        <extracomment>The help of the command line; the options themselves stay as they are</extracomment>
        <translation>Aufruf: %1 [/STARTUP]
Zeigt die Spielkarte des Tages mit ihrer Deutung.

  /STARTUP       beim Anmelden gestartet: im Infobereich warten, falls so eingestellt
  -h, --help     diese Hilfe anzeigen und beenden
  -v, --version  die Version anzeigen und beenden
</translation>
    </message>
</context>
<context>
    <name>JournalExport</name>
    <message>
        <source>Tarvelle journal</source>
        <translation>Tarvelle-Tagebuch</translation>
    </message>
    <message>
        <source>%1
%2
Favorable Time Period: %3
Keywords: %4
</source>
        <extracomment>The day copied from the journal: %1 date, %2 card, %3 its period, %4 its keywords</extracomment>
        <translation>%1
%2
Günstige Zeit: %3
Stichworte: %4
</translation>
    </message>
</context>
<context>
    <name>OnDemandJournalStore</name>
    <message>
        <source>%1 is not installed</source>
        <translation>%1 ist nicht installiert</translation>
    </message>
    <message>
        <source>The journal %1 cannot be opened: the part of Tarvelle that keeps it is missing (%2). Installing Tarvelle again mends this.</source>
        <translation>Das Tagebuch %1 lässt sich nicht öffnen: Der Teil von Tarvelle, der es führt, fehlt (%2). Eine erneute Installation von Tarvelle behebt das.</translation>
    </message>
    <message>
        <source>Today&apos;s card and the settings are unharmed. The days drawn and the notes typed are kept while Tarvelle runs, but cannot be written.</source>
        <translation>Die Karte des Tages und die Einstellungen sind unversehrt. Gezogene Tage und geschriebene Notizen bleiben erhalten, solange Tarvelle läuft, können aber nicht gespeichert werden.</translation>
    </message>
</context>
<context>
    <name>Referral</name>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>Bitte gib zwei verschiedene E-Mail-Adressen ein.</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>Bitte gib eine gültige E-Mail-Adresse ein.</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Bitte gib deinen Namen ein.</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>Bitte gib deine E-Mail-Adresse ein.</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>Bitte gib deine Nachricht ein.</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>Bitte gib den Namen deines Freundes ein.</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>Bitte gib die E-Mail-Adresse deines Freundes ein.</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>Dein Name</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Deine E-Mail-Adresse</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>Deine Nachricht</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Name deines Freundes</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>E-Mail deines Freundes</translation>
    </message>
</context>
<context>
    <name>SqliteJournalFile</name>
    <message>
        <source>%1 is the journal itself.</source>
        <translation>%1 ist das Tagebuch selbst.</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2.</source>
        <translation>%1 kann nicht geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>The journal could not be copied to %1: %2.</source>
        <translation>Das Tagebuch konnte nicht nach %1 kopiert werden: %2.</translation>
    </message>
    <message>
        <source>%1 is neither a backup of a journal nor a CSV exported by Tarvelle.</source>
        <translation>%1 ist weder die Sicherung eines Tagebuchs noch eine von Tarvelle exportierte CSV-Datei.</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2.</source>
        <translation>%1 kann nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>%1 cannot be read as a journal: %2</source>
        <translation>%1 kann nicht als Tagebuch gelesen werden: %2</translation>
    </message>
    <message>
        <source>%1 comes from a newer version of Tarvelle (format %2; this version knows format %3).</source>
        <translation>%1 stammt aus einer neueren Version von Tarvelle (Format %2; diese Version kennt Format %3).</translation>
    </message>
    <message>
        <source>The days drawn and the notes typed are kept while Tarvelle runs, and written to the journal as soon as it takes them.</source>
        <translation>Gezogene Tage und geschriebene Notizen bleiben erhalten, solange Tarvelle läuft, und kommen ins Tagebuch, sobald es sie annimmt.</translation>
    </message>
    <message>
        <source>The journal %1 cannot be opened: %2.</source>
        <translation>Das Tagebuch %1 lässt sich nicht öffnen: %2.</translation>
    </message>
    <message>
        <source>The journal cannot be kept: Qt&apos;s SQLite driver (Debian package libqt6sql6-sqlite) is not installed.</source>
        <translation>Das Tagebuch kann nicht geführt werden: Der SQLite-Treiber von Qt (Debian-Paket libqt6sql6-sqlite) ist nicht installiert.</translation>
    </message>
    <message>
        <source>The journal&apos;s folder %1 cannot be made: %2.</source>
        <translation>Der Ordner %1 für das Tagebuch kann nicht angelegt werden: %2.</translation>
    </message>
    <message>
        <source>The journal %1 cannot be written: %2.</source>
        <translation>Das Tagebuch %1 kann nicht geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>The journal cannot be made in %1: %2.</source>
        <translation>Das Tagebuch kann nicht in %1 angelegt werden: %2.</translation>
    </message>
    <message>
        <source>The journal %1 changed while it was being opened.</source>
        <translation>Das Tagebuch %1 hat sich beim Öffnen verändert.</translation>
    </message>
    <message>
        <source>The journal %1 comes from a newer version of Tarvelle (format %2; this version knows format %3) and is left as it is.</source>
        <translation>Das Tagebuch %1 stammt aus einer neueren Version von Tarvelle (Format %2; diese Version kennt Format %3) und bleibt unverändert.</translation>
    </message>
    <message>
        <source>Its days are shown, but nothing new is written to it, and notes cannot be typed.</source>
        <translation>Seine Tage werden angezeigt, aber es wird nichts Neues hineingeschrieben, und Notizen lassen sich nicht eingeben.</translation>
    </message>
    <message>
        <source>This version cannot show its days, and nothing new is written to it.</source>
        <translation>Diese Version kann seine Tage nicht anzeigen, und es wird nichts Neues hineingeschrieben.</translation>
    </message>
    <message>
        <source>The journal %1 is in use by another program.</source>
        <translation>Das Tagebuch %1 wird von einem anderen Programm verwendet.</translation>
    </message>
    <message>
        <source>The disk that holds the journal %1 is full.</source>
        <translation>Der Datenträger mit dem Tagebuch %1 ist voll.</translation>
    </message>
    <message>
        <source>The journal %1 could not be written: %2.</source>
        <translation>Das Tagebuch %1 konnte nicht geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>The journal %1 could not be read: %2.</source>
        <translation>Das Tagebuch %1 konnte nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>The journal %1 is damaged and cannot be moved aside: %2. It is left as it is.</source>
        <translation>Das Tagebuch %1 ist beschädigt und lässt sich nicht beiseitelegen: %2. Es bleibt unverändert.</translation>
    </message>
    <message>
        <source>The journal file was damaged. It has been kept, untouched, as %1, and a new journal has begun.</source>
        <translation>Die Tagebuchdatei war beschädigt. Sie wurde unverändert als %1 aufbewahrt, und ein neues Tagebuch wurde begonnen.</translation>
    </message>
    <message>
        <source>Nothing of the damaged file has been deleted.</source>
        <translation>Von der beschädigten Datei wurde nichts gelöscht.</translation>
    </message>
</context>
<context>
    <name>UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available<byte value="xd"/>Do you want to check for an update?</source>
        <translation>Möglicherweise gibt es eine neue Version dieses Programms.<byte value="xd"/>Möchtest du jetzt nach Aktualisierungen suchen?</translation>
    </message>
</context>
<context>
    <name>app::CardPanel</name>
    <message>
        <source>Cartomancy Card For The Day</source>
        <translation>Karte des Tages</translation>
    </message>
    <message>
        <source>Favorable Time Period</source>
        <translation>Günstige Zeit</translation>
    </message>
    <message>
        <source>Keywords</source>
        <translation>Stichworte</translation>
    </message>
    <message>
        <source>Characteristics</source>
        <translation>Deutung</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Einstellungen</translation>
    </message>
</context>
<context>
    <name>app::CardPicture</name>
    <message>
        <source>Picture of the card %1</source>
        <translation>Bild der Karte %1</translation>
    </message>
</context>
<context>
    <name>app::JournalCalendar</name>
    <message>
        <source>, with a note</source>
        <translation>, mit Notiz</translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation>Vorheriger Monat</translation>
    </message>
    <message>
        <source>Previous month (Page Up)</source>
        <translation>Vorheriger Monat (Bild auf)</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>Nächster Monat</translation>
    </message>
    <message>
        <source>Next month (Page Down)</source>
        <translation>Nächster Monat (Bild ab)</translation>
    </message>
    <message>
        <source>Days of the month</source>
        <translation>Tage des Monats</translation>
    </message>
</context>
<context>
    <name>app::JournalExportDialog</name>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>E&amp;very day</source>
        <translation>&amp;Alle Tage</translation>
    </message>
    <message>
        <source>Days &amp;from</source>
        <translation>Tage &amp;vom</translation>
    </message>
    <message>
        <source>First day</source>
        <translation>Erster Tag</translation>
    </message>
    <message>
        <source>&amp;to</source>
        <translation>&amp;bis</translation>
    </message>
    <message>
        <source>Last day</source>
        <translation>Letzter Tag</translation>
    </message>
    <message>
        <source>&amp;Markdown</source>
        <translation>&amp;Markdown</translation>
    </message>
    <message>
        <source>&amp;CSV, for spreadsheets</source>
        <translation>&amp;CSV, für Tabellenkalkulationen</translation>
    </message>
    <message>
        <source>&amp;Export…</source>
        <translation>&amp;Exportieren&#xa0;…</translation>
    </message>
    <message>
        <source>Which days</source>
        <translation>Welche Tage</translation>
    </message>
    <message>
        <source>As</source>
        <translation>Format</translation>
    </message>
</context>
<context>
    <name>app::JournalStatisticsView</name>
    <message>
        <source>Colours</source>
        <translation>Rot/Schwarz</translation>
    </message>
    <message>
        <source>This month</source>
        <translation>Dieser Monat</translation>
    </message>
    <message>
        <source>This year</source>
        <translation>Dieses Jahr</translation>
    </message>
    <message>
        <source>Everything</source>
        <translation>Gesamt</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Zeitraum</translation>
    </message>
    <message>
        <source>Suits and colours</source>
        <translation>Kartenfarben und Rot/Schwarz</translation>
    </message>
    <message>
        <source>&amp;Period:</source>
        <translation>&amp;Zeitraum:</translation>
    </message>
    <message>
        <source>Clubs</source>
        <translation>Kreuz</translation>
    </message>
    <message>
        <source>Diamonds</source>
        <translation>Karo</translation>
    </message>
    <message>
        <source>Hearts</source>
        <translation>Herz</translation>
    </message>
    <message>
        <source>Spades</source>
        <translation>Pik</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Red %1, black %2.</source>
        <translation>Rot: %1, Schwarz: %2.</translation>
    </message>
    <message>
        <source>Came up most: %1.</source>
        <translation>Am häufigsten gezogen: %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n day(s) recorded, %1 with a note.</source>
        <extracomment>%1 is the number of days with a note</extracomment>
        <translation>
            <numerusform>%n Tag eingetragen, davon %1 mit Notiz.</numerusform>
            <numerusform>%n Tage eingetragen, davon %1 mit Notiz.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 (%n time(s))</source>
        <translation>
            <numerusform>%1 (%n-mal)</numerusform>
            <numerusform>%1 (%n-mal)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Longest run of days with a note: %n day(s).</source>
        <translation>
            <numerusform>Längste Folge von Tagen mit Notiz: %n Tag.</numerusform>
            <numerusform>Längste Folge von Tagen mit Notiz: %n Tage.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>app::JournalWindow</name>
    <message>
        <source>Journal</source>
        <translation>Tagebuch</translation>
    </message>
    <message>
        <source>Import into the journal</source>
        <translation>Ins Tagebuch importieren</translation>
    </message>
    <message>
        <source>Back up the journal</source>
        <translation>Tagebuch sichern</translation>
    </message>
    <message>
        <source>Export the journal</source>
        <translation>Tagebuch exportieren</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>&amp;Suchen:</translation>
    </message>
    <message>
        <source>Find a card or words in the notes</source>
        <translation>Eine Karte oder Wörter in den Notizen suchen</translation>
    </message>
    <message>
        <source>A card or words in the notes</source>
        <translation>Karte oder Wörter in den Notizen</translation>
    </message>
    <message>
        <source>&amp;Go to day:</source>
        <translation>&amp;Gehe zu Tag:</translation>
    </message>
    <message>
        <source>Go to day</source>
        <translation>Gehe zu Tag</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Tage</translation>
    </message>
    <message>
        <source>&amp;Days</source>
        <translation>&amp;Tage</translation>
    </message>
    <message>
        <source>C&amp;alendar</source>
        <translation>K&amp;alender</translation>
    </message>
    <message>
        <source>Your &amp;year</source>
        <translation>Dein &amp;Jahr</translation>
    </message>
    <message>
        <source>What came up, as a picture</source>
        <translation>Was gezogen wurde, als Grafik</translation>
    </message>
    <message>
        <source>&amp;Export…</source>
        <translation>&amp;Exportieren&#xa0;…</translation>
    </message>
    <message>
        <source>&amp;Back Up…</source>
        <translation>Si&amp;chern&#xa0;…</translation>
    </message>
    <message>
        <source>Back Up Journal…</source>
        <translation>Tagebuch sichern&#xa0;…</translation>
    </message>
    <message>
        <source>&amp;Import…</source>
        <translation>&amp;Importieren&#xa0;…</translation>
    </message>
    <message>
        <source>Import days from a backup or an exported CSV</source>
        <translation>Tage aus einer Sicherung oder einer exportierten CSV-Datei importieren</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Favorable Time Period</source>
        <translation>Günstige Zeit</translation>
    </message>
    <message>
        <source>Keywords</source>
        <translation>Stichworte</translation>
    </message>
    <message>
        <source>Characteristics</source>
        <translation>Deutung</translation>
    </message>
    <message>
        <source>The day&apos;s card</source>
        <translation>Die Karte des Tages</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Notiz</translation>
    </message>
    <message>
        <source>&amp;Note for %1</source>
        <translation>&amp;Notiz für %1</translation>
    </message>
    <message>
        <source>Note for %1</source>
        <translation>Notiz für %1</translation>
    </message>
    <message>
        <source>A note holds at most %L1 characters; this one has no room for more.</source>
        <translation>Eine Notiz fasst höchstens %L1 Zeichen; in diese passt nichts mehr.</translation>
    </message>
    <message>
        <source>The note for %1 was changed elsewhere while it was open here; both are kept.</source>
        <translation>Die Notiz für %1 wurde anderswo geändert, während sie hier offen war; beide Fassungen bleiben erhalten.</translation>
    </message>
    <message>
        <source>%1 is on the clipboard.</source>
        <translation>%1 ist in der Zwischenablage.</translation>
    </message>
    <message>
        <source>CSV, comma-separated (*.csv)</source>
        <translation>CSV, durch Kommas getrennt (*.csv)</translation>
    </message>
    <message>
        <source>Markdown (*.md)</source>
        <translation>Markdown (*.md)</translation>
    </message>
    <message>
        <source>The journal could not be exported to %1: %2.</source>
        <translation>Das Tagebuch konnte nicht nach %1 exportiert werden: %2.</translation>
    </message>
    <message>
        <source>Journal backups (*.sqlite)</source>
        <translation>Tagebuchsicherungen (*.sqlite)</translation>
    </message>
    <message>
        <source>The journal could not be backed up to %1: %2</source>
        <translation>Das Tagebuch konnte nicht in %1 gesichert werden: %2</translation>
    </message>
    <message>
        <source>The journal is backed up to %1.</source>
        <translation>Das Tagebuch wurde in %1 gesichert.</translation>
    </message>
    <message>
        <source>Journal backups and exports (*.sqlite *.csv);;All files (*)</source>
        <translation>Tagebuchsicherungen und -exporte (*.sqlite *.csv);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Imported from %1: new days %2, notes joined to the journal&apos;s own %3.</source>
        <translation>Aus %1 importiert – neue Tage: %2, mit den Notizen des Tagebuchs zusammengeführt: %3.</translation>
    </message>
    <message>
        <source>%1 is neither a journal backup nor a CSV exported from the journal; nothing was changed.</source>
        <translation>%1 ist weder eine Tagebuchsicherung noch eine aus dem Tagebuch exportierte CSV-Datei; es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>%1 could not be read (%2); nothing was changed.</source>
        <translation>%1 konnte nicht gelesen werden (%2); es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>The journal could not take the import (%1); nothing was changed.</source>
        <translation>Das Tagebuch konnte den Import nicht übernehmen (%1); es wurde nichts geändert.</translation>
    </message>
    <message numerus="yes">
        <source>Came up %n time(s) since %1</source>
        <extracomment>%1 is the date of the first day in the journal</extracomment>
        <translation>
            <numerusform>Einmal gezogen seit dem %1</numerusform>
            <numerusform>%n-mal gezogen seit dem %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n day(s) in the journal.</source>
        <translation>
            <numerusform>%n Tag im Tagebuch.</numerusform>
            <numerusform>%n Tage im Tagebuch.</numerusform>
        </translation>
    </message>
    <message>
        <source>Tarvelle journal</source>
        <translation>Tarvelle-Tagebuch</translation>
    </message>
    <message numerus="yes">
        <source>%n day(s) exported to %1.</source>
        <translation>
            <numerusform>%n Tag nach %1 exportiert.</numerusform>
            <numerusform>%n Tage nach %1 exportiert.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>app::MainWindow</name>
    <message>
        <source>Later</source>
        <translation>Später</translation>
    </message>
    <message>
        <source>In &amp;10 Minutes</source>
        <translation>In &amp;10 Minuten</translation>
    </message>
    <message>
        <source>In an &amp;Hour</source>
        <translation>In einer &amp;Stunde</translation>
    </message>
    <message>
        <source>In &amp;Three Hours</source>
        <translation>In &amp;drei Stunden</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>Show &amp;Cartomancy Card</source>
        <translation>&amp;Tageskarte anzeigen</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>E&amp;xtras</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Einstellungen</translation>
    </message>
    <message>
        <source>&amp;Journal</source>
        <translation>&amp;Tagebuch</translation>
    </message>
    <message>
        <source>&amp;Wait While I&apos;m Busy</source>
        <translation>&amp;Warten, solange ich beschäftigt bin</translation>
    </message>
    <message>
        <source>At the display time, keep the card back while the desktop says you are busy</source>
        <translation>Zur Anzeigezeit die Karte zurückhalten, solange der Desktop dich als beschäftigt meldet</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>&amp;Online-Hilfe</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Website besuchen</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>Nach &amp;Aktualisierungen suchen</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>Ü&amp;ber Tarvelle</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Spenden</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Anzeigen</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Remind Me &amp;Later</source>
        <translation>&amp;Später erinnern</translation>
    </message>
    <message>
        <source>Please Enter Correct Date !</source>
        <translation>Bitte gib ein gültiges Datum ein!</translation>
    </message>
    <message>
        <source>Are You Sure You Want To Quit Tarvelle?</source>
        <translation>Möchtest du Tarvelle wirklich beenden?</translation>
    </message>
    <message>
        <source>Talk about your cards with friends on the Quellmoor discussion board: click here to visit us!</source>
        <translation>Sprich mit Freunden im Quellmoor-Forum über deine Karten: Klick hier und besuch uns!</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>Biete dieses Programm unter deiner eigenen Marke an. Mehr Treue und Besucher für deine Website. Name &amp; Link deiner Website stehen dann hier. Einzelheiten unter „Hilfe“. Klick hier für mehr zum Co-Branding.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Geschäftsidee für zu Hause: Starte dein eigenes Online-Geschäft und verdiene Geld im Internet. Hol dir dieses Programm ganz im Design deiner Website. Klick hier für Einzelheiten.</translation>
    </message>
</context>
<context>
    <name>app::Program</name>
    <message>
        <source>Application is already running</source>
        <translation>Das Programm läuft bereits.</translation>
    </message>
</context>
<context>
    <name>app::SettingsPanel</name>
    <message>
        <source>Cartomancy Card Settings</source>
        <translation>Einstellungen zur Tageskarte</translation>
    </message>
    <message>
        <source>Let Tarvelle  show your Lucky Cartomancy Card for the Day! Set the time and other display settings here.</source>
        <translation>Lass dir von Tarvelle deine Glückskarte des Tages zeigen! Uhrzeit und Anzeige stellst du hier ein.</translation>
    </message>
    <message>
        <source>Choose Display Time</source>
        <translation>Anzeigezeit wählen</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Stunde</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>Minute</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>Sekunde</translation>
    </message>
    <message>
        <source>Choose Display Mode</source>
        <translation>Anzeigeart wählen</translation>
    </message>
    <message>
        <source>Run at start-up</source>
        <translation>Automatisch starten</translation>
    </message>
    <message>
        <source>Start at system tray</source>
        <translation>Im Infobereich starten</translation>
    </message>
    <message>
        <source>Don&apos;t run at start-up</source>
        <translation>Nicht automatisch starten</translation>
    </message>
    <message>
        <source>Show &amp;Cartomancy Card</source>
        <translation>&amp;Tageskarte anzeigen</translation>
    </message>
</context>
<context>
    <name>app::WindowPresence</name>
    <message>
        <source>Recent – today&apos;s card is waiting</source>
        <translation>Aktuell – die Karte des Tages wartet</translation>
    </message>
    <message>
        <source>Recent</source>
        <translation>Aktuell</translation>
    </message>
</context>
<context>
    <name>dialogs::AboutDialog</name>
    <message>
        <source>Tarvelle is a daily divination technique based on playing cards. This software displays a card for the day and explains the keywords and meaning. This software can be used as a reference point to start your day.</source>
        <translation>Tarvelle ist eine tägliche Wahrsagetechnik mit Spielkarten. Dieses Programm zeigt eine Karte für den Tag und erklärt ihre Stichworte und ihre Bedeutung. Es kann dir als Anhaltspunkt für den Start in den Tag dienen.</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <translation>Klick hier, um %1 zu besuchen</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>Geschäftsidee für zu Hause: Starte dein eigenes Online-Geschäft und verdiene Geld im Internet. Hol dir dieses Programm ganz im Design deiner Website.</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>Klick hier für Einzelheiten</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>dialogs::ExitScreen</name>
    <message>
        <source>Click Here To Visit %1 Now</source>
        <translation>Jetzt %1 besuchen</translation>
    </message>
    <message>
        <source>Quellmoor Softwares, such as this can be created and maintained only with your support. The best way to support Quellmoor is to visit Quellmoor regularly and take part in the discussions and other activities on the board.</source>
        <translation>Programme wie dieses kann Quellmoor nur mit deiner Unterstützung entwickeln und pflegen. Am besten hilfst du, indem du regelmäßig vorbeischaust und bei den Diskussionen und anderen Aktivitäten im Forum mitmachst.</translation>
    </message>
    <message>
        <source>Visit Quellmoor regularly. Support Quellmoor by taking part in the discussions and other activities. These softwares cannot be supported and maintained, without you regularly visiting Quellmoor</source>
        <translation>Besuch Quellmoor regelmäßig. Unterstütze Quellmoor, indem du bei den Diskussionen und anderen Aktivitäten mitmachst. Ohne deine regelmäßigen Besuche können diese Programme nicht weiter betreut und gepflegt werden.</translation>
    </message>
    <message>
        <source>Quellmoor is a FREE online discussion forum for all things mystic. To help Quellmoor develop and maintain this software visit Quellmoor regularly.</source>
        <translation>Quellmoor ist ein KOSTENLOSES Online-Forum für alles Mystische. Damit Quellmoor dieses Programm weiterentwickeln und pflegen kann, besuch Quellmoor regelmäßig.</translation>
    </message>
    <message>
        <source>Quellmoor needs your help. All you need to do is visit Quellmoor regularly and take part in the various discussions and activites to help us maintain and develop more Quellmoor Softwares.</source>
        <translation>Quellmoor braucht deine Hilfe. Schau einfach regelmäßig vorbei und mach bei den Diskussionen und Aktivitäten mit, damit wir weitere Quellmoor-Programme pflegen und entwickeln können.</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>Weiterempfehlen</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>Jetzt &amp;empfehlen</translation>
    </message>
    <message>
        <source>Download Quellmoor Softwares</source>
        <translation>Quellmoor-Programme herunterladen</translation>
    </message>
    <message>
        <source>If you have enjoyed this software you will surely be interested in our other Quellmoor Softwares. We make programs for astrology and horoscopes, psychic readings, tarot spreads, numerology and many other corners of the occult, each made to be as welcoming as this one.

All of them are simple and easy to use, fun and informative. Try them for yourself, and share what you discover with your friends and family.</source>
        <translation>Wenn dir dieses Programm gefallen hat, interessieren dich sicher auch unsere anderen Quellmoor-Programme. Wir machen Programme für Astrologie und Horoskope, hellseherische Deutungen, Tarot-Legungen, Numerologie und viele andere Winkel des Okkulten, jedes so einladend wie dieses.

Alle sind einfach zu bedienen, machen Spaß und sind informativ. Probier sie selbst aus und teile deine Entdeckungen mit Freunden und Familie.</translation>
    </message>
    <message>
        <source>Click Here To Visit Quellmoor Softwares</source>
        <translation>Zu den Quellmoor-Programmen</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>Eine E-Mail-Adresse darf keine Leerzeichen enthalten.</translation>
    </message>
</context>
<context>
    <name>rules::PanelChoices</name>
    <message>
        <source>Error %1 opening key<byte value="xd"/>
%2</source>
        <extracomment>%1 is the error&apos;s number, %2 the system&apos;s words for it</extracomment>
        <translation>Fehler %1 beim Öffnen des Autostart-Eintrags<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>Error %1 setting key<byte value="xd"/>
%2</source>
        <translation>Fehler %1 beim Schreiben des Autostart-Eintrags<byte value="xd"/>
%2</translation>
    </message>
</context>
</TS>
