<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>CardName</name>
    <message>
        <source>Ace</source>
        <extracomment>Rank of a playing card, in &quot;%1 Of %2&quot;</extracomment>
        <translation>As</translation>
    </message>
    <message>
        <source>Two</source>
        <translation>Deux</translation>
    </message>
    <message>
        <source>Three</source>
        <translation>Trois</translation>
    </message>
    <message>
        <source>Four</source>
        <translation>Quatre</translation>
    </message>
    <message>
        <source>Five</source>
        <translation>Cinq</translation>
    </message>
    <message>
        <source>Six</source>
        <translation>Six</translation>
    </message>
    <message>
        <source>Seven</source>
        <translation>Sept</translation>
    </message>
    <message>
        <source>Eight</source>
        <translation>Huit</translation>
    </message>
    <message>
        <source>Nine</source>
        <translation>Neuf</translation>
    </message>
    <message>
        <source>Ten</source>
        <translation>Dix</translation>
    </message>
    <message>
        <source>King</source>
        <translation>Roi</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>Dame</translation>
    </message>
    <message>
        <source>Knights</source>
        <extracomment>The lowest court card (the Jack), in &quot;%1 Of %2&quot;</extracomment>
        <translation>Valet</translation>
    </message>
    <message>
        <source>Clubs</source>
        <extracomment>Suit of a playing card, in &quot;%1 Of %2&quot;</extracomment>
        <translation>trèfle</translation>
    </message>
    <message>
        <source>Diamond</source>
        <translation>carreau</translation>
    </message>
    <message>
        <source>Hearts</source>
        <translation>cœur</translation>
    </message>
    <message>
        <source>Spades</source>
        <translation>pique</translation>
    </message>
    <message>
        <source>the spring season</source>
        <extracomment>Season of a card&apos;s favourable period, in &quot;%1 week of %2.&quot;</extracomment>
        <translation>du printemps</translation>
    </message>
    <message>
        <source>fall</source>
        <translation>de l’automne</translation>
    </message>
    <message>
        <source>the summer season</source>
        <translation>de l’été</translation>
    </message>
    <message>
        <source>the winter season</source>
        <translation>de l’hiver</translation>
    </message>
    <message>
        <source>1st</source>
        <extracomment>Week number of a card&apos;s favourable period, in &quot;%1 week of %2.&quot;</extracomment>
        <translation>1re</translation>
    </message>
    <message>
        <source>2nd</source>
        <translation>2e</translation>
    </message>
    <message>
        <source>3rd</source>
        <translation>3e</translation>
    </message>
    <message>
        <source>4th</source>
        <translation>4e</translation>
    </message>
    <message>
        <source>5th</source>
        <translation>5e</translation>
    </message>
    <message>
        <source>6th</source>
        <translation>6e</translation>
    </message>
    <message>
        <source>7th</source>
        <translation>7e</translation>
    </message>
    <message>
        <source>8th</source>
        <translation>8e</translation>
    </message>
    <message>
        <source>9th</source>
        <translation>9e</translation>
    </message>
    <message>
        <source>10th</source>
        <translation>10e</translation>
    </message>
    <message>
        <source>11th</source>
        <translation>11e</translation>
    </message>
    <message>
        <source>12th</source>
        <translation>12e</translation>
    </message>
    <message>
        <source>13th</source>
        <translation>13e</translation>
    </message>
    <message>
        <source>%1 Of %2</source>
        <extracomment>A playing card&apos;s name: %1 is its rank, %2 its suit</extracomment>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>%1 week of %2.</source>
        <extracomment>A card&apos;s favourable time of the year: %1 is the week&apos;s number, %2 the season</extracomment>
        <translation>%1 semaine %2.</translation>
    </message>
    <message>
        <source>A</source>
        <extracomment>A rank as the journal&apos;s calendar abbreviates it: Ace, King, Queen, Knight (the Jack)</extracomment>
        <translation>As</translation>
    </message>
    <message>
        <source>K</source>
        <translation>R</translation>
    </message>
    <message>
        <source>Q</source>
        <translation>D</translation>
    </message>
    <message>
        <source>Kn</source>
        <translation>V</translation>
    </message>
</context>
<context>
    <name>CardReading</name>
    <message>
        <source>A single club on a white field is the simplest of starts, and that is its point. The Ace of Clubs puts the first push behind something new, whether a plan sketched long ago or a skill you keep promising yourself. Ideas arrive quickly when this card turns up, and the nerve to try them arrives with them. Luck with money belongs to it as well, the kind of luck that follows honest effort. Pick one practical step and take it while the spark is fresh. Things begun under this Ace tend to grow fast, which makes the choice of what to begin worth a minute&apos;s thought: what would you be glad to be tending a year from now?</source>
        <extracomment>Ace of Clubs: reading</extracomment>
        <translation>Un seul trèfle sur fond blanc&#xa0;: on ne saurait commencer plus simplement, et c’est bien là l’idée. L’as de trèfle donne le premier élan à une chose nouvelle, projet esquissé il y a longtemps ou savoir-faire que vous vous promettez d’acquérir. Avec cette carte, les idées viennent vite, et l’audace de les essayer vient avec elles. Elle promet aussi de la chance côté argent, celle qui suit un effort honnête. Choisissez un pas concret et faites-le tant que l’étincelle est vive. Ce qui commence sous cet as grandit vite&#x202f;; le choix mérite donc une minute de réflexion&#xa0;: qu’aimeriez-vous voir fleurir d’ici un an&#x202f;?</translation>
    </message>
    <message>
        <source>New beginnings, inspiration, energy and opportunity.</source>
        <extracomment>Ace of Clubs: keywords</extracomment>
        <translation>Nouveaux départs, inspiration, énergie et occasions.</translation>
    </message>
    <message>
        <source>What first step toward something new could you take before the spark fades?</source>
        <extracomment>Ace of Clubs: journal question</extracomment>
        <translation>Quel premier pas vers du neuf pourriez-vous faire avant que l’étincelle ne s’éteigne&#x202f;?</translation>
    </message>
    <message>
        <source>Help is nearer than it looks when the Two of Clubs appears. Who holds the piece your plan is missing? Very likely someone within easy reach, perhaps a neighbour with handy skills, and you probably hold one of theirs. Show them the idea while it is still rough and let them change it. A choice between two offers, or between two ways of doing one task, can also come up. The better option is usually the one that keeps a good working friendship sound. Two people who trust each other finish a job in half the time and enjoy the doing twice as much.</source>
        <extracomment>Two of Clubs: reading</extracomment>
        <translation>Avec le deux de trèfle, l’aide est plus proche qu’il n’y paraît. Qui détient la pièce qui manque à votre projet&#x202f;? Sans doute quelqu’un à portée de main, un voisin bricoleur peut-être, et vous détenez sûrement une pièce du sien. Montrez-lui l’idée encore brute et laissez-le la remanier. Un choix entre deux offres, ou entre deux façons de mener une même tâche, peut aussi se présenter. La meilleure option est souvent celle qui ménage une bonne entente de travail. Deux personnes qui se font confiance viennent à bout d’un travail en deux fois moins de temps, et y prennent deux fois plus de plaisir.</translation>
    </message>
    <message>
        <source>Partnership, cooperation, choice, trust and shared effort.</source>
        <extracomment>Two of Clubs: keywords</extracomment>
        <translation>Partenariat, coopération, choix, confiance et effort partagé.</translation>
    </message>
    <message>
        <source>Whose skills would fill the gap in your plan?</source>
        <extracomment>Two of Clubs: journal question</extracomment>
        <translation>Qui a le savoir-faire qui manque à votre projet&#x202f;?</translation>
    </message>
    <message>
        <source>Roads open under the Three of Clubs, and one of them leads back to something that failed the first time. This is the card of the second attempt: the venture that needed a false start before it could work, the plan that finds a better route once the obvious one is blocked. Traditional readers put it plainly and promised a second marriage happier than the first. Read more generously, the card says that what you try again, wiser for the first try, tends to go further, though it asks for some bending. A route you did not choose can prove the quicker one, and a day somewhere unfamiliar shows how much room lies beyond your usual circuit. Ambition suits you, so long as it travels light. Which door closed on you, and what has opened beside it since?</source>
        <extracomment>Three of Clubs: reading</extracomment>
        <translation>Des routes s’ouvrent sous le trois de trèfle, et l’une d’elles ramène à ce qui a échoué la première fois. C’est la carte de la seconde tentative&#xa0;: l’entreprise qui avait besoin d’un faux départ pour aboutir, le projet qui trouve un meilleur chemin quand le plus évident est barré. La tradition le disait sans détour et promettait un second mariage plus heureux que le premier. Lue plus largement, la carte dit que ce que l’on retente, instruit par le premier essai, va souvent plus loin, pourvu qu’on sache plier un peu. Une route que vous n’aviez pas choisie peut se révéler la plus rapide, et une journée en terrain inconnu montre l’espace qui s’étend au-delà de vos trajets habituels. L’ambition vous va bien, tant qu’elle voyage léger. Quelle porte s’est fermée devant vous, et laquelle s’est ouverte à côté depuis&#x202f;?</translation>
    </message>
    <message>
        <source>Change, flexibility, development, traveling and ambitious</source>
        <extracomment>Three of Clubs: keywords</extracomment>
        <translation>Changement, souplesse, évolution, voyages et ambition</translation>
    </message>
    <message>
        <source>What are you ready to try a second time?</source>
        <extracomment>Three of Clubs: journal question</extracomment>
        <translation>Que voulez-vous tenter une seconde fois&#x202f;?</translation>
    </message>
    <message>
        <source>The Four of Clubs brings rest well earned and friends who stand by you. Whatever you have built lately, enjoy it as it is instead of adding another floor. An hour with nothing planned does more good than you would expect, and a laugh shared with the people on your side does as much. Let somebody look after you for once, and accept the lift home or the cup of tea without protest. Contentment of this kind is the mortar of every lasting enterprise. Even mortar needs a day left alone to set.</source>
        <extracomment>Four of Clubs: reading</extracomment>
        <translation>Le quatre de trèfle apporte un repos bien mérité et des amis qui vous soutiennent. Ce que vous avez bâti ces derniers temps, profitez-en tel quel au lieu d’y ajouter un étage. Une heure sans rien de prévu fait plus de bien qu’on ne le croit, et un fou rire partagé avec vos alliés tout autant. Laissez-vous choyer pour une fois&#xa0;: acceptez qu’on vous raccompagne ou qu’on vous serve une tasse de thé, sans protester. Ce contentement-là est le mortier de toute œuvre durable. Même le mortier a besoin d’un jour de paix pour prendre.</translation>
    </message>
    <message>
        <source>Happiness, joy, rest, warm and supportive</source>
        <extracomment>Four of Clubs: keywords</extracomment>
        <translation>Bonheur, joie, repos, chaleur et soutien</translation>
    </message>
    <message>
        <source>Who looked after you, and how did it feel to let them?</source>
        <extracomment>Four of Clubs: journal question</extracomment>
        <translation>Qui a pris soin de vous, et qu’avez-vous ressenti en le laissant faire&#x202f;?</translation>
    </message>
    <message>
        <source>Lively company arrives with the Five of Clubs, and some friction comes with it. Someone new can join your circle, and at first their ideas might seem to clash with yours. Treat the argument as a whetstone: two keen minds pressed together often produce the best edge. Today&apos;s rival could be next month&apos;s ally if you listen longer than you talk and give credit freely. Alliances formed in honest debate tend to last, and they bring help long after the quarrel is forgotten. Many lasting friendships began as an argument between strangers.</source>
        <extracomment>Five of Clubs: reading</extracomment>
        <translation>Le cinq de trèfle amène une compagnie animée, et un peu de friction avec elle. Un nouveau venu rejoint peut-être votre cercle, et ses idées semblent d’abord heurter les vôtres. Voyez la dispute comme une pierre à aiguiser&#xa0;: deux esprits vifs frottés l’un à l’autre donnent le meilleur tranchant. Le rival du jour peut être l’allié du mois prochain si vous écoutez plus que vous ne parlez et savez rendre à chacun son mérite. Les alliances nées d’un débat honnête durent, et aident longtemps après la querelle oubliée. Bien des amitiés solides ont commencé par un désaccord entre inconnus.</translation>
    </message>
    <message>
        <source>New friends, healthy rivalry, debate, alliance and growth.</source>
        <extracomment>Five of Clubs: keywords</extracomment>
        <translation>Nouveaux amis, saine rivalité, débat, alliance et croissance.</translation>
    </message>
    <message>
        <source>Whose disagreement taught you something you would not have learnt alone?</source>
        <extracomment>Five of Clubs: journal question</extracomment>
        <translation>Quel désaccord vous a appris une chose que vous n’auriez pas découverte par vous-même&#x202f;?</translation>
    </message>
    <message>
        <source>Recognition is the gift of the Six of Clubs. Something you did without fuss, perhaps months ago, is about to be noticed, and it returns to you as praise or as a helping hand from someone who remembers a kindness of yours. Accept it with grace; modesty is charming, but refusing help only slows you down. Then pass some of the luck along. A word of encouragement from you might be exactly what a friend needs to get a stalled project moving. Success in this suit grows by being shared, like a fire that burns better for every log laid on it.</source>
        <extracomment>Six of Clubs: reading</extracomment>
        <translation>La reconnaissance est le cadeau du six de trèfle. Ce que vous avez fait sans bruit, il y a des mois peut-être, va être remarqué, et vous revient en éloges ou en coup de main de quelqu’un qui se souvient de votre gentillesse. Acceptez-le avec grâce&#xa0;: la modestie a du charme, mais refuser de l’aide ne fait que vous ralentir. Puis faites circuler un peu de cette chance. Un mot d’encouragement de votre part est peut-être ce qu’il faut à un ami pour relancer un projet enlisé. Dans cette couleur, le succès grandit quand on le partage, comme un feu qui brûle mieux à chaque bûche ajoutée.</translation>
    </message>
    <message>
        <source>Recognition, success, praise, helping hands, gratitude and generosity.</source>
        <extracomment>Six of Clubs: keywords</extracomment>
        <translation>Reconnaissance, succès, éloges, coups de main, gratitude et générosité.</translation>
    </message>
    <message>
        <source>Which piece of your work deserves a word of praise, even from yourself?</source>
        <extracomment>Six of Clubs: journal question</extracomment>
        <translation>Quelle part de votre travail mérite un compliment, fût-ce de vous-même&#x202f;?</translation>
    </message>
    <message>
        <source>Hold your ground. The Seven of Clubs finds you pressed from more than one side, by a deadline crowding in or by someone questioning a decision you made for good reasons. Stay courteous and yield nothing: experience counts for more in a dispute like this than the volume of anyone&apos;s voice. Petty irritations will try to drag you from the main task, so pick the two or three things that truly matter and defend those. Everything else can wait. Tarot&apos;s matching card shows a man on a hilltop fending off six staves from below, outnumbered and still holding the better position.</source>
        <extracomment>Seven of Clubs: reading</extracomment>
        <translation>Tenez bon. Le sept de trèfle vous met sous pression de plusieurs côtés, qu’il s’agisse d’une échéance qui se rapproche ou de quelqu’un qui conteste une décision prise pour de bonnes raisons. Gardez votre courtoisie et ne cédez rien&#xa0;: dans un tel différend, l’expérience pèse plus que le volume de la voix. Les petits agacements tenteront de vous détourner de l’essentiel&#x202f;; choisissez donc les deux ou trois choses qui comptent vraiment et défendez-les. Tout le reste peut attendre. La carte correspondante du tarot montre un homme sur une colline repoussant six bâtons brandis d’en bas, en infériorité numérique mais mieux placé.</translation>
    </message>
    <message>
        <source>Perseverance, courage, defence, priorities and steady effort.</source>
        <extracomment>Seven of Clubs: keywords</extracomment>
        <translation>Persévérance, courage, défense, priorités et effort constant.</translation>
    </message>
    <message>
        <source>Which two or three things were worth defending?</source>
        <extracomment>Seven of Clubs: journal question</extracomment>
        <translation>Quelles sont les deux ou trois choses qui valaient d’être défendues&#x202f;?</translation>
    </message>
    <message>
        <source>Things speed up under the Eight of Clubs. Messages arrive and plans gather pace, and matters you had been waiting on start moving together. Your mind is sharp and your energy high, which is just what such a pace demands. Keep one hand near the brake all the same: speed makes it easy to sign before reading or to promise more than you can deliver. Narrow your attention to what must be done today, and check each step before taking the next. Think of traffic on a dual carriageway: fast, and safe only while everyone keeps to their lane.</source>
        <extracomment>Eight of Clubs: reading</extracomment>
        <translation>Tout s’accélère sous le huit de trèfle. Les messages arrivent, les projets prennent de la vitesse, et les affaires en attente se mettent à bouger ensemble. Votre esprit est vif et votre énergie au plus haut, exactement ce qu’exige un tel rythme. Gardez tout de même une main près du frein&#xa0;: la vitesse pousse à signer sans lire ou à promettre plus que vous ne pouvez tenir. Concentrez-vous sur ce qui doit être fait aujourd’hui, et vérifiez chaque étape avant la suivante. Pensez à la circulation sur l’autoroute&#xa0;: rapide, et sûre tant que chacun garde sa file.</translation>
    </message>
    <message>
        <source>Energetic, active, powerful, sharp, cautious and focused</source>
        <extracomment>Eight of Clubs: keywords</extracomment>
        <translation>Énergique, actif, puissant, vif, prudent et concentré</translation>
    </message>
    <message>
        <source>Where did speed help you, and where did it nearly trip you up?</source>
        <extracomment>Eight of Clubs: journal question</extracomment>
        <translation>En quoi la vitesse a-t-elle été une aide, et où a-t-elle failli vous faire trébucher&#x202f;?</translation>
    </message>
    <message>
        <source>The Nine of Clubs comes late in a long job, when the finish is near and many people give up. If you feel worn down, take that as a measure of how far you have come rather than of how far is left. Guard your strength; a decent meal and a full night&apos;s sleep matter more now than they seem. Weariness makes a mild disagreement sound like a serious one; go gently with those around you, and a calm word now will spare a long apology later. Distance runners say the race is decided in its last miles, by whoever kept something in reserve.</source>
        <extracomment>Nine of Clubs: reading</extracomment>
        <translation>Le neuf de trèfle intervient tard dans un long travail, quand le but est proche et que beaucoup abandonnent. Si la fatigue vous gagne, voyez-y la mesure du chemin parcouru plutôt que de celui qui reste. Ménagez vos forces&#x202f;; un bon repas et une vraie nuit de sommeil comptent plus qu’il n’y paraît. La lassitude change un petit désaccord en grave conflit&#xa0;: allez-y en douceur avec votre entourage, et un mot calme aujourd’hui vous épargnera de longues excuses demain. Les coureurs de fond le savent&#xa0;: la course se gagne dans les derniers kilomètres, par qui a su garder des réserves.</translation>
    </message>
    <message>
        <source>Resilience, endurance, patience and near completion.</source>
        <extracomment>Nine of Clubs: keywords</extracomment>
        <translation>Résilience, endurance, patience et but en vue.</translation>
    </message>
    <message>
        <source>What will carry you through the last stretch?</source>
        <extracomment>Nine of Clubs: journal question</extracomment>
        <translation>Qu’est-ce qui vous portera dans la dernière ligne droite&#x202f;?</translation>
    </message>
    <message>
        <source>A long labour comes to an end. The Ten of Clubs marks the close of a project or of a whole year of effort, and the weight you have carried can soon be set down. Before hurrying on to whatever comes after, look back at what you achieved and at who helped you achieve it. If you took on more than your share along the way, give the extra back. Rewards often follow completion among the clubs, a bonus perhaps or a fresh offer. Completion works like a woodpile: hard work to gather, and warmth for a long while after.</source>
        <extracomment>Ten of Clubs: reading</extracomment>
        <translation>Un long labeur touche à sa fin. Le dix de trèfle marque la clôture d’un projet ou d’une année entière d’efforts, et le fardeau que vous portez pourra bientôt être posé. Avant de vous précipiter vers la suite, regardez ce que vous avez accompli et qui vous y a aidé. Si vous avez assumé plus que votre part en chemin, rendez ce surplus. Chez les trèfles, la récompense suit souvent l’achèvement&#xa0;: une prime peut-être, ou une nouvelle offre. Un travail achevé ressemble à une pile de bois&#xa0;: dure à rassembler, elle chauffe longtemps ensuite.</translation>
    </message>
    <message>
        <source>Completion, responsibility, reward, relief and fresh offers.</source>
        <extracomment>Ten of Clubs: keywords</extracomment>
        <translation>Achèvement, responsabilité, récompense, soulagement et nouvelles offres.</translation>
    </message>
    <message>
        <source>What can you set down now that it is finished?</source>
        <extracomment>Ten of Clubs: journal question</extracomment>
        <translation>Quel fardeau pouvez-vous poser maintenant que c’est terminé&#x202f;?</translation>
    </message>
    <message>
        <source>Think of the person who first showed you how a thing is really done, and you have the King of Clubs. He started with little and kept every promise he made on the way up. He speaks plainly, stands by his people when things go wrong and expects loyalty in return. His praise is seldom given and worth having, and his criticism arrives without decoration. Someone of his stamp could offer help today; if not, go and find one, because a word from a person who has done the job many times saves weeks of guessing. He leads from the front, and his crew follows because he was the first to pick up a shovel.</source>
        <extracomment>King of Clubs: reading</extracomment>
        <translation>Pensez à la personne qui vous a montré la première comment on fait vraiment les choses&#xa0;: voilà le roi de trèfle. Parti de peu, il a tenu chaque promesse faite en chemin. Il parle franc, soutient les siens quand tout va mal et attend de la loyauté en retour. Ses éloges sont rares et précieux, et ses critiques arrivent sans fioritures. Quelqu’un de sa trempe pourrait vous offrir son aide aujourd’hui&#x202f;; sinon, cherchez-en un, car un mot de qui a fait le travail cent fois épargne des semaines de tâtonnements. Il dirige en première ligne, et son équipe le suit parce qu’il a été le premier à empoigner une pelle.</translation>
    </message>
    <message>
        <source>Leadership, loyalty, experience, honesty, mentorship and example.</source>
        <extracomment>King of Clubs: keywords</extracomment>
        <translation>Sens du commandement, loyauté, expérience, honnêteté, mentorat et exemple.</translation>
    </message>
    <message>
        <source>Who taught you how a thing is properly done?</source>
        <extracomment>King of Clubs: journal question</extracomment>
        <translation>Qui vous a appris à bien faire les choses&#x202f;?</translation>
    </message>
    <message>
        <source>Every club and every street has its Queen of Clubs, the woman who knows everybody and somehow has a spare key or a folding table when one is needed. She runs things without raising her voice, and people enjoy being organized by her. Her help is yours for the asking, and being asked pleases her. Her method is no secret: a written list, and tasks handed out with a smile rather than barked as orders. Confidence worn lightly opens more doors than any title.</source>
        <extracomment>Queen of Clubs: reading</extracomment>
        <translation>Chaque quartier a sa dame de trèfle, celle qui connaît tout le monde et sort, on ne sait d’où, une clé de rechange ou une table pliante au bon moment. Elle dirige sans élever la voix, et chacun se laisse organiser avec plaisir. Son aide vous est acquise si vous la demandez, et la demander lui fait plaisir. Sa méthode n’a rien de secret&#xa0;: une liste écrite, et des tâches confiées avec le sourire plutôt qu’aboyées comme des ordres. L’assurance portée avec légèreté ouvre plus de portes qu’un titre.</translation>
    </message>
    <message>
        <source>Confidence, warmth, organization, generosity and charm.</source>
        <extracomment>Queen of Clubs: keywords</extracomment>
        <translation>Assurance, chaleur, organisation, générosité et charme.</translation>
    </message>
    <message>
        <source>What went better because somebody took charge of it with a smile?</source>
        <extracomment>Queen of Clubs: journal question</extracomment>
        <translation>Qu’est-ce qui s’est mieux passé parce que quelqu’un l’a pris en main avec le sourire&#x202f;?</translation>
    </message>
    <message>
        <source>Moving day shows who your friends are, and the Knight of Clubs arrives in work gloves and stays until the last box is carried in. He volunteers first and complains last, and his energy is catching. Let some of it rub off: restart whatever has stalled, or say yes to an outing you would normally turn down. Finish what you begin before chasing the next idea, though; his weakness is a shed full of half-built things. If a loyal helper has carried you lately, thank them properly, face to face.</source>
        <extracomment>Knights of Clubs: reading</extracomment>
        <translation>Le jour du déménagement, on reconnaît ses amis, et le valet de trèfle arrive en gants de travail et reste jusqu’au dernier carton. Premier volontaire, dernier à se plaindre, il a une énergie contagieuse. Laissez-vous gagner&#xa0;: relancez ce qui est au point mort, ou acceptez une sortie que vous refuseriez d’habitude. Finissez toutefois ce que vous commencez avant de courir à l’idée suivante&#x202f;; son point faible, c’est un cabanon plein de bricolages inachevés. Si un allié fidèle vous a épaulé ces temps-ci, remerciez-le bien, de vive voix.</translation>
    </message>
    <message>
        <source>Enthusiasm, loyalty, adventure, helpfulness and quick starts.</source>
        <extracomment>Knights of Clubs: keywords</extracomment>
        <translation>Enthousiasme, loyauté, aventure, serviabilité et démarrages rapides.</translation>
    </message>
    <message>
        <source>Which half-finished thing deserves your enthusiasm before a new one does?</source>
        <extracomment>Knights of Clubs: journal question</extracomment>
        <translation>Quel projet à moitié fini mérite votre enthousiasme avant un nouveau&#x202f;?</translation>
    </message>
    <message>
        <source>Something of value is put in your hands by the Ace of Diamonds. Perhaps a payment, perhaps an idea for earning; what matters most is what you do next. Part of it might go aside for later and part into a skill; mending a tool you rely on every day is money well spent too. Old fortune-tellers read this Ace as a letter or a ring, a promise sealed with something precious, so keep an eye on the post. Even a modest sum, handled wisely, can be the first stone of real security.</source>
        <extracomment>Ace of Diamond: reading</extracomment>
        <translation>L’as de carreau vous met entre les mains une chose de valeur. Un paiement peut-être, ou une idée lucrative&#x202f;; l’essentiel est ce que vous en ferez. Une part peut aller de côté, une autre dans un savoir-faire&#x202f;; réparer un outil qui vous sert chaque jour, c’est aussi de l’argent bien dépensé. Les diseuses de bonne aventure y voyaient une lettre ou une bague, une promesse scellée par un objet précieux&#xa0;: surveillez le courrier. Même une somme modeste, bien gérée, peut être la première pierre d’une vraie sécurité.</translation>
    </message>
    <message>
        <source>Prosperity, new income, opportunity, gifts and good news.</source>
        <extracomment>Ace of Diamond: keywords</extracomment>
        <translation>Prospérité, nouveaux revenus, occasion, cadeaux et bonnes nouvelles.</translation>
    </message>
    <message>
        <source>What of value came into your hands, and where will you put it?</source>
        <extracomment>Ace of Diamond: journal question</extracomment>
        <translation>Qu’avez-vous reçu de précieux, et où allez-vous le placer&#x202f;?</translation>
    </message>
    <message>
        <source>Juggling is the skill the Two of Diamonds asks for. Bills and claims on one purse compete for your attention, and you can keep them all in the air once you find a rhythm. Write down what comes in and what goes out, and let the figures calm your nerves. Swaps and agreements between two parties go well today. A bargain struck now is likely to be fair, provided you say plainly what you want and listen to what the other side needs in return. Bend where you can, and stand fast only on the one point that matters most.</source>
        <extracomment>Two of Diamond: reading</extracomment>
        <translation>Le deux de carreau demande l’art du jongleur. Factures et dépenses se disputent une même bourse, et vous pouvez tout garder en l’air une fois le rythme trouvé. Notez ce qui entre et ce qui sort, et laissez les chiffres calmer vos nerfs. Échanges et accords entre deux parties se passent bien aujourd’hui. Un marché conclu maintenant a de bonnes chances d’être équitable, pourvu que vous disiez clairement ce que vous voulez et écoutiez ce dont l’autre a besoin en retour. Pliez où vous le pouvez, et ne tenez ferme que sur le point qui compte le plus.</translation>
    </message>
    <message>
        <source>Balance, juggling, flexibility, fair exchange and planning.</source>
        <extracomment>Two of Diamond: keywords</extracomment>
        <translation>Équilibre, jonglage, souplesse, échange équitable et planification.</translation>
    </message>
    <message>
        <source>Which two demands are you balancing, and which one matters more?</source>
        <extracomment>Two of Diamond: journal question</extracomment>
        <translation>Quelles sont les deux exigences à concilier, et laquelle compte le plus&#x202f;?</translation>
    </message>
    <message>
        <source>Skilled hands are honoured by the Three of Diamonds. Something you make or mend with care is worth more than its price tag, and people are beginning to notice. Team up with someone whose talents fill the gaps in yours. There is a caution here as well: agreements made in haste, especially over money, can sour into quarrels, even into a dispute that ends at a solicitor&apos;s desk. Put the terms in writing and read every clause; a debt left unsettled breeds resentment. Careful work and a bargain written out clearly earn their own fair reward.</source>
        <extracomment>Three of Diamond: reading</extracomment>
        <translation>Le trois de carreau honore les mains habiles. Ce que vous fabriquez ou réparez avec soin vaut plus que son prix, et on commence à le remarquer. Associez-vous à quelqu’un dont les talents comblent vos lacunes. La carte porte aussi une mise en garde&#xa0;: les accords conclus à la hâte, surtout quand il s’agit d’argent, peuvent tourner à la brouille, voire à un litige réglé chez l’avocat. Mettez les conditions par écrit et lisez chaque clause&#x202f;; une dette laissée en suspens nourrit la rancune. Un travail soigné et un marché clairement rédigé reçoivent leur juste récompense.</translation>
    </message>
    <message>
        <source>Craftsmanship, teamwork, agreements, caution and fair reward.</source>
        <extracomment>Three of Diamond: keywords</extracomment>
        <translation>Savoir-faire, travail d’équipe, accords, prudence et juste récompense.</translation>
    </message>
    <message>
        <source>What have you made or mended with care lately?</source>
        <extracomment>Three of Diamond: journal question</extracomment>
        <translation>Qu’avez-vous fabriqué ou réparé avec soin ces derniers temps&#x202f;?</translation>
    </message>
    <message>
        <source>Under your feet the Four of Diamonds lays a solid floor. Your finances are plain rather than glamorous, and sounder than your worries suggest; some discipline now will make them stronger still. Before buying anything new, see what you already own; much of it can be repaired or put to better use. Be wary, though, of gripping so tightly that security turns into a fear of spending, for a purse that never opens costs friendships and chances alike. Saving works best with a purpose in mind. Money kept only to be counted is like a toolbox nobody opens.</source>
        <extracomment>Four of Diamond: reading</extracomment>
        <translation>Le quatre de carreau pose sous vos pieds un plancher solide. Vos finances sont modestes plutôt que brillantes, et plus saines que vos soucis ne le laissent croire&#x202f;; un peu de discipline les renforcera encore. Avant d’acheter du neuf, regardez ce que vous possédez déjà&#xa0;: bien des choses peuvent se réparer ou mieux servir. Mais gare à trop serrer les cordons&#xa0;: la sécurité peut tourner à la peur de dépenser, et une bourse qui ne s’ouvre jamais coûte des amitiés comme des occasions. L’épargne marche mieux avec un but. L’argent gardé pour être compté ressemble à une boîte à outils que personne n’ouvre.</translation>
    </message>
    <message>
        <source>Stability, security, savings and prudence.</source>
        <extracomment>Four of Diamond: keywords</extracomment>
        <translation>Stabilité, sécurité, épargne et prudence.</translation>
    </message>
    <message>
        <source>What do you already own that could be put to better use?</source>
        <extracomment>Four of Diamond: journal question</extracomment>
        <translation>Que possédez-vous déjà qui pourrait mieux servir&#x202f;?</translation>
    </message>
    <message>
        <source>The Five of Diamonds shakes things a little. An unplanned expense or a change in income could turn up, or talk of a move to a new address. Panic only makes the sums harder. Turbulence like this often clears space for something better, as a gale strips dead wood so that new growth can come through. Ask for help if you need it; pride keeps poor accounts. Telling the right people where you stand brings support you had not known existed, and a sensible change made now can leave you on surer footing within a few months.</source>
        <extracomment>Five of Diamond: reading</extracomment>
        <translation>Le cinq de carreau secoue un peu les choses. Une dépense imprévue, un changement de revenu ou un projet de déménagement peut survenir. La panique ne fait que compliquer les calculs. Ce genre de turbulence fait souvent place à mieux, comme un coup de vent arrache le bois mort pour laisser passer les jeunes pousses. Demandez de l’aide s’il le faut&#x202f;; l’orgueil tient mal les comptes. Dire aux bonnes personnes où vous en êtes vous vaut un soutien insoupçonné, et un changement sensé, fait maintenant, peut vous remettre sur un terrain plus sûr d’ici quelques mois.</translation>
    </message>
    <message>
        <source>Change, unexpected expense, moving, adaptability and support.</source>
        <extracomment>Five of Diamond: keywords</extracomment>
        <translation>Changement, dépense imprévue, déménagement, adaptabilité et soutien.</translation>
    </message>
    <message>
        <source>Who could help you with the cost or change that turned up?</source>
        <extracomment>Five of Diamond: journal question</extracomment>
        <translation>Qui pourrait vous aider face à la dépense ou au changement survenu&#x202f;?</translation>
    </message>
    <message>
        <source>Money and favours flow both ways when the Six of Diamonds turns up. A sum you had forgotten could be repaid to you, or the chance could come to help someone who is struggling. Give without keeping score, and receive without blushing. Fairness is at the heart of it, so look over your own dealings for anything left unsettled. An old debt cleared today, in either direction, lightens the mind as well as the purse. The six stones sit in two even columns, three a side, like goods weighed on an honest scale.</source>
        <extracomment>Six of Diamond: reading</extracomment>
        <translation>Avec le six de carreau, argent et services circulent dans les deux sens. Une somme oubliée pourrait vous être rendue, ou l’occasion venir d’aider quelqu’un en difficulté. Donnez sans compter, et recevez sans rougir. L’équité est au centre de cette carte&#xa0;: vérifiez que rien n’est resté en suspens dans vos propres affaires. Une vieille dette réglée aujourd’hui, dans un sens ou dans l’autre, allège l’esprit autant que la bourse. Les six carreaux se rangent en deux colonnes égales, trois de chaque côté, comme des marchandises sur une balance honnête.</translation>
    </message>
    <message>
        <source>Generosity, fairness, giving, receiving and settled debts.</source>
        <extracomment>Six of Diamond: keywords</extracomment>
        <translation>Générosité, équité, savoir donner, savoir recevoir et dettes réglées.</translation>
    </message>
    <message>
        <source>Is there a debt, of money or of kindness, still waiting to be settled?</source>
        <extracomment>Six of Diamond: journal question</extracomment>
        <translation>Reste-t-il une dette, d’argent ou de gentillesse, à régler&#x202f;?</translation>
    </message>
    <message>
        <source>Call the Seven of Diamonds a card for gardeners. You have planted something, perhaps a savings plan or a long piece of work, and now it must be left to bear fruit. Do not dig up the seeds to see if they have sprouted. Tend what you can instead: trim a wasteful expense, or get back in touch with a useful contact who has gone silent. Leave idle talk about other people&apos;s earnings to those who enjoy it; comparing your harvest with a neighbour&apos;s only spoils the taste of yours. An old English saying puts that patience in five words: plant pears for your heirs.</source>
        <extracomment>Seven of Diamond: reading</extracomment>
        <translation>Voyez le sept de carreau comme une carte de jardinier. Vous avez semé quelque chose, un plan d’épargne ou un long travail peut-être, et il faut maintenant le laisser porter ses fruits. Ne déterrez pas les graines pour voir si elles ont germé. Soignez plutôt ce qui peut l’être&#xa0;: supprimez une dépense superflue, ou renouez avec un contact précieux resté silencieux. Laissez les bavardages sur les gains d’autrui à ceux qui les aiment&#x202f;; comparer votre récolte à celle du voisin n’en gâte que le goût. Un vieux dicton anglais dit cette patience à sa façon&#xa0;: qui plante des poiriers plante pour ses héritiers.</translation>
    </message>
    <message>
        <source>Patience, investment, growth, perseverance and harvest.</source>
        <extracomment>Seven of Diamond: keywords</extracomment>
        <translation>Patience, investissement, croissance, persévérance et récolte.</translation>
    </message>
    <message>
        <source>What have you planted that needs leaving alone to grow?</source>
        <extracomment>Seven of Diamond: journal question</extracomment>
        <translation>Qu’avez-vous semé qu’il faut laisser pousser en paix&#x202f;?</translation>
    </message>
    <message>
        <source>Apprentices of every age are favoured by the Eight of Diamonds. Work that asks for patience and precision suits you today, and every careful hour adds to your skill and your value alike. Perhaps you are learning a new trade, or simply doing ordinary tasks a shade better than yesterday. A little extra money can come from an odd job or a sale; it will not change your life overnight, yet it confirms that you are on the right path. Mastery is built from exactly this kind of patient repetition, one careful stroke laid over another.</source>
        <extracomment>Eight of Diamond: reading</extracomment>
        <translation>Le huit de carreau favorise les apprentis de tout âge. Un travail qui demande patience et précision vous convient aujourd’hui, et chaque heure d’application accroît votre savoir-faire autant que votre valeur. Peut-être apprenez-vous un nouveau métier, ou faites-vous simplement vos tâches ordinaires un peu mieux qu’hier. Un petit supplément d’argent peut venir d’un extra ou d’une vente&#x202f;; cela ne changera pas votre vie du jour au lendemain, mais confirme que vous êtes sur la bonne voie. La maîtrise naît justement de cette répétition tenace, un trait soigneux posé sur un autre.</translation>
    </message>
    <message>
        <source>Diligence, skill, mastery, practice and modest reward.</source>
        <extracomment>Eight of Diamond: keywords</extracomment>
        <translation>Application, savoir-faire, maîtrise, pratique et récompense modeste.</translation>
    </message>
    <message>
        <source>Which skill got a little better through practice?</source>
        <extracomment>Eight of Diamond: journal question</extracomment>
        <translation>Quel savoir-faire s’est un peu amélioré à force de pratique&#x202f;?</translation>
    </message>
    <message>
        <source>The Nine of Diamonds celebrates comfort earned with your own hands. Standing on your own feet without help is an achievement, and that independence deserves to be savoured. Treat yourself to quality rather than quantity, a good meal or a well-made tool. Self-reliance does not mean doing everything alone; it means your security no longer hangs on anybody&apos;s approval. Keep your ambitions high. A person at ease in a house bought with their own effort, with the door shut against the weather, is the whole picture of this card.</source>
        <extracomment>Nine of Diamond: reading</extracomment>
        <translation>Le neuf de carreau célèbre un confort gagné de vos propres mains. Se suffire à soi-même est une réussite, et cette indépendance mérite d’être savourée. Offrez-vous la qualité plutôt que la quantité, un bon repas ou un outil bien fait. L’autonomie ne veut pas dire tout faire sans personne&#x202f;; elle signifie que votre sécurité ne dépend plus de l’approbation de quiconque. Visez haut. Une personne à l’aise dans une maison payée par ses propres efforts, porte close face aux intempéries&#xa0;: voilà toute l’image de cette carte.</translation>
    </message>
    <message>
        <source>Self- reliance, self-actualization, independent, satisfied and ambitious.</source>
        <extracomment>Nine of Diamond: keywords</extracomment>
        <translation>Autonomie, accomplissement de soi, indépendance, satisfaction et ambition.</translation>
    </message>
    <message>
        <source>What have you earned by your own effort that you can enjoy?</source>
        <extracomment>Nine of Diamond: journal question</extracomment>
        <translation>Qu’avez-vous gagné par vos propres efforts et dont vous pouvez profiter&#x202f;?</translation>
    </message>
    <message>
        <source>Wealth that outlasts a single payday belongs to the Ten of Diamonds: a home paid off, a business handed on, savings that protect the people who count on you. News of a large purchase or a long-term plan finally coming together could reach you today. Take pleasure in it. Then give an hour to the dull part, the will or the insurance, because comfort that is well guarded can pass from one generation to the next. The story of the earning belongs to the inheritance too, and it is often the part remembered longest.</source>
        <extracomment>Ten of Diamond: reading</extracomment>
        <translation>Au dix de carreau appartient la richesse qui survit à la paie du mois&#xa0;: une maison remboursée, une affaire transmise, une épargne qui protège ceux qui comptent sur vous. Des nouvelles d’un gros achat ou d’un projet de longue haleine qui aboutit enfin pourraient vous parvenir aujourd’hui. Savourez-les. Puis consacrez une heure à la partie ennuyeuse, le testament ou l’assurance, car un confort bien gardé peut passer d’une génération à l’autre. Le récit de ce labeur fait aussi partie de l’héritage, et c’est souvent lui qu’on retient le plus longtemps.</translation>
    </message>
    <message>
        <source>Wealth, abundance, family, legacy, security and celebration.</source>
        <extracomment>Ten of Diamond: keywords</extracomment>
        <translation>Richesse, abondance, famille, héritage, sécurité et fête.</translation>
    </message>
    <message>
        <source>What will you hand on one day, and to whom?</source>
        <extracomment>Ten of Diamond: journal question</extracomment>
        <translation>Que transmettrez-vous un jour, et à qui&#x202f;?</translation>
    </message>
    <message>
        <source>Shrewd, good-humoured and impossible to hurry, the King of Diamonds reads every contract twice and enjoys a good haggle. He began with a barrow, now owns the shop on the corner and still counts the till himself. He respects people who know their numbers and forgives almost anything except waste. Before you settle any money matter today, think as he would: facts first, then a fair comparison of the offers. His answer to anyone who presses him to sign at once never changes: then go and sell it to somebody else.</source>
        <extracomment>King of Diamond: reading</extracomment>
        <translation>Fin, jovial et impossible à presser, le roi de carreau lit chaque contrat deux fois et adore marchander. Parti d’une charrette à bras, il possède aujourd’hui la boutique du coin et compte encore la caisse lui-même. Il respecte ceux qui connaissent leurs chiffres et pardonne presque tout, sauf le gaspillage. Avant de régler une affaire d’argent aujourd’hui, pensez comme lui&#xa0;: les faits d’abord, puis une comparaison loyale des offres. À qui le pousse à signer sur-le-champ, il répond toujours la même chose&#xa0;: allez donc le vendre à un autre.</translation>
    </message>
    <message>
        <source>Business sense, wisdom, authority, caution and fair dealing.</source>
        <extracomment>King of Diamond: keywords</extracomment>
        <translation>Sens des affaires, sagesse, autorité, prudence et probité.</translation>
    </message>
    <message>
        <source>Which decision deserves facts first and a signature later?</source>
        <extracomment>King of Diamond: journal question</extracomment>
        <translation>Quelle décision demande d’abord des faits, et une signature ensuite&#x202f;?</translation>
    </message>
    <message>
        <source>A woman with an eye for quality and a head for sums, the Queen of Diamonds can tell silk from polyester across a room and knows what each costs by the metre. She likes lovely things and is never owned by them. Through her the card invites you to enjoy a little beauty, flowers on the table perhaps, while keeping an honest record of the expense. Her advice about money deserves close attention; her bargains are legendary. Keep your own secrets, though. This Queen loves to talk, and a confidence told to her on Monday is common knowledge along the street by Tuesday.</source>
        <extracomment>Queen of Diamond: reading</extracomment>
        <translation>Femme de goût et de chiffres, la dame de carreau distingue la soie du polyester d’un bout à l’autre d’une pièce et sait ce que coûte chacun au mètre. Elle aime les belles choses sans jamais leur appartenir. Par elle, la carte vous invite à vous offrir un peu de beauté, des fleurs sur la table peut-être, tout en notant honnêtement la dépense. Ses conseils d’argent méritent toute votre attention&#x202f;; ses bonnes affaires sont légendaires. Gardez pourtant vos secrets pour vous. Cette dame adore parler, et une confidence faite le lundi est connue de toute la rue le mardi.</translation>
    </message>
    <message>
        <source>Resourcefulness, elegance, practicality, good taste and gossip.</source>
        <extracomment>Queen of Diamond: keywords</extracomment>
        <translation>Débrouillardise, élégance, sens pratique, bon goût et commérages.</translation>
    </message>
    <message>
        <source>What lovely thing was worth its price, and which secret is better kept?</source>
        <extracomment>Queen of Diamond: journal question</extracomment>
        <translation>Quelle belle chose valait son prix, et quel secret mérite d’être gardé&#x202f;?</translation>
    </message>
    <message>
        <source>Somewhere between you and the money stands the Knight of Diamonds, a ledger in one pocket and a timetable in the other. He is the go-between of money matters: the courier with the parcel, the agent with the quote, the cousin who knows somebody selling a van. Thorough and in a hurry at once, he can work in your favour today. An offer or a payment might travel towards you through a third person. Read every line before you agree, and ask the question you feel silly asking. If the deal still stands once the figures are checked, take it without further dithering.</source>
        <extracomment>Knights of Diamond: reading</extracomment>
        <translation>Entre vous et l’argent se tient le valet de carreau, un livre de comptes dans une poche et un horaire des trains dans l’autre. C’est l’intermédiaire des affaires d’argent&#xa0;: le coursier et son colis, l’agent et son devis, le cousin qui connaît quelqu’un qui vend une camionnette. Méticuleux et pressé à la fois, il peut œuvrer en votre faveur aujourd’hui. Une offre ou un paiement pourrait vous parvenir par un tiers. Lisez chaque ligne avant d’accepter, et posez la question qui vous semble bête. Si l’affaire tient toujours une fois les chiffres vérifiés, prenez-la sans plus tergiverser.</translation>
    </message>
    <message>
        <source>Errands, offers, diligence, careful checks and opportunity.</source>
        <extracomment>Knights of Diamond: keywords</extracomment>
        <translation>Courses, offres, diligence, vérifications attentives et occasion.</translation>
    </message>
    <message>
        <source>Which figures did you check twice before agreeing?</source>
        <extracomment>Knights of Diamond: journal question</extracomment>
        <translation>Quels chiffres avez-vous vérifiés deux fois avant d’accepter&#x202f;?</translation>
    </message>
    <message>
        <source>As the symbol itself denotes, the Ace of Hearts symbolizes love card readers have cherished for generations: the first warm stirring of affection, the start of a friendship, the moment a house begins to feel like home. This Ace opens the heart, and an open heart is a gift to everyone near it. The kind word you have been holding back is worth saying, and being looked after for once is no weakness. New love or a happy letter could be on its way. Whatever begins now begins in sincerity, and it deserves the chance to grow.</source>
        <extracomment>Ace of Hearts: reading</extracomment>
        <translation>Comme son symbole l’indique, l’as de cœur représente l’amour, et les cartomanciens le chérissent depuis des générations&#xa0;: le premier élan de tendresse, le début d’une amitié, l’instant où une maison devient un foyer. Cet as ouvre le cœur, et un cœur ouvert est un cadeau pour tous ceux qui l’entourent. Le mot gentil que vous retenez mérite d’être dit, et se laisser choyer pour une fois n’est pas une faiblesse. Un nouvel amour ou une lettre qui réjouit pourrait être en route. Ce qui commence maintenant commence dans la sincérité, et mérite sa chance de grandir.</translation>
    </message>
    <message>
        <source>Love, new affection, sincerity, openness and joy at home.</source>
        <extracomment>Ace of Hearts: keywords</extracomment>
        <translation>Amour, nouvelle affection, sincérité, ouverture et joie au foyer.</translation>
    </message>
    <message>
        <source>Which kind word were you holding back, and did you say it?</source>
        <extracomment>Ace of Hearts: journal question</extracomment>
        <translation>Quel mot gentil reteniez-vous, et l’avez-vous dit&#x202f;?</translation>
    </message>
    <message>
        <source>Two people find their way to each other in the Two of Hearts. Romance, a close friendship or a reconciliation with someone you had drifted away from: whatever form it takes, the feeling runs both ways. Ask how the other person really is, and answer honestly when the question comes back. Gestures that cost nothing carry great weight here, like tea brought without asking or a hand held a moment longer. If a coolness has crept in with someone dear, take the first step back towards them. On the card itself the two hearts mirror each other, one upright and one upside down.</source>
        <extracomment>Two of Hearts: reading</extracomment>
        <translation>Avec le deux de cœur, deux personnes se trouvent l’une l’autre. Idylle, amitié intime ou réconciliation après un éloignement&#xa0;: quelle que soit sa forme, le sentiment est réciproque. Prenez vraiment des nouvelles de l’autre, et répondez franchement quand on vous retourne la question. Les gestes qui ne coûtent rien pèsent lourd ici, comme un thé apporté sans qu’on le demande ou une main tenue un instant de plus. Si un froid s’est installé avec un être cher, faites le premier pas vers lui. Sur la carte elle-même, les deux cœurs se répondent en miroir, l’un à l’endroit et l’autre à l’envers.</translation>
    </message>
    <message>
        <source>Harmony, mutual love, tenderness and reconciliation.</source>
        <extracomment>Two of Hearts: keywords</extracomment>
        <translation>Harmonie, amour partagé, tendresse et réconciliation.</translation>
    </message>
    <message>
        <source>Who do you miss being close to these days?</source>
        <extracomment>Two of Hearts: journal question</extracomment>
        <translation>De qui regrettez-vous de ne plus être proche ces temps-ci&#x202f;?</translation>
    </message>
    <message>
        <source>Voices fill the house. The Three of Hearts brings company, whether friends dropping by unannounced or a celebration long planned, and laughter comes easily. There is one caution in this cheerful card. When affection is shared among three, somebody can end up feeling left out, and a harmless flirtation can be read as more than it was. Be honest about the feelings you have and about those you lack, and make only promises you intend to keep. Honesty of that sort keeps the whole circle warm.</source>
        <extracomment>Three of Hearts: reading</extracomment>
        <translation>La maison s’emplit de voix. Le trois de cœur apporte de la compagnie, amis passant à l’improviste ou fête prévue de longue date, et le rire vient facilement. Cette carte joyeuse a pourtant un bémol. Quand l’affection se partage à trois, quelqu’un peut finir par se sentir exclu, et un flirt innocent peut être pris pour plus qu’il n’était. Dites franchement ce que vous ressentez et ce que vous ne ressentez pas, et ne faites que les promesses que vous comptez tenir. Une telle honnêteté garde tout le cercle au chaud.</translation>
    </message>
    <message>
        <source>Celebration, friendship, gatherings, honesty and clear feelings.</source>
        <extracomment>Three of Hearts: keywords</extracomment>
        <translation>Fête, amitié, retrouvailles, honnêteté et sentiments clairs.</translation>
    </message>
    <message>
        <source>Who made you laugh, and was anyone left out of the circle?</source>
        <extracomment>Three of Hearts: journal question</extracomment>
        <translation>Qui vous a fait rire, et quelqu’un est-il resté en dehors du cercle&#x202f;?</translation>
    </message>
    <message>
        <source>A peaceful home is honoured by the Four of Hearts. Life indoors runs smoothly, and such stability is worth treasuring. Still, a restlessness can stir, a sense that comfort is sliding into routine. Bring the freshness home rather than hunting for it elsewhere; moving the furniture or cooking a dish you have never tried can do more than a trip abroad. In older readings this card could also foretell a change of address, or a commitment that is delayed but happy in the end. Homes stay alive the way fires do, by being stirred now and then.</source>
        <extracomment>Four of Hearts: reading</extracomment>
        <translation>Le quatre de cœur salue un foyer paisible. La vie à la maison coule sans heurts, et cette stabilité est précieuse. Pourtant, une agitation peut naître, le sentiment que le confort glisse vers la routine. Faites entrer la nouveauté chez vous plutôt que de la chercher ailleurs&#xa0;: déplacer les meubles ou cuisiner un plat jamais essayé peut faire plus qu’un voyage à l’étranger. Jadis, cette carte pouvait aussi annoncer un changement d’adresse, ou un engagement retardé mais heureux au bout du compte. Un foyer reste vivant comme un feu, à condition qu’on le tisonne de temps en temps.</translation>
    </message>
    <message>
        <source>Domestic peace, stability, renewal, home and commitment.</source>
        <extracomment>Four of Hearts: keywords</extracomment>
        <translation>Paix du foyer, stabilité, renouveau, maison et engagement.</translation>
    </message>
    <message>
        <source>What one change would make home feel fresh again?</source>
        <extracomment>Four of Hearts: journal question</extracomment>
        <translation>Quel changement suffirait à redonner de la fraîcheur à votre foyer&#x202f;?</translation>
    </message>
    <message>
        <source>Some feelings are hard to name, and the Five of Hearts stirs a few of them. A disappointment or a flash of jealousy can surface, and it is tempting to let it tint the whole day. Look at it gently instead; a feeling like this wants understanding more than obedience. Talking to someone you trust helps, as does a letter you never send. When the cloud passes you will see which attachments still deserve your love and which you are ready to let go at last.</source>
        <extracomment>Five of Hearts: reading</extracomment>
        <translation>Certains sentiments sont difficiles à nommer, et le cinq de cœur en remue quelques-uns. Une déception ou un éclair de jalousie peut surgir, et il est tentant de le laisser colorer toute la journée. Regardez-le avec douceur&#x202f;; un tel sentiment demande à être compris plus qu’obéi. En parler à quelqu’un de confiance aide, tout comme une lettre qu’on n’envoie jamais. Le nuage passé, vous verrez quels attachements méritent encore votre amour, et ceux dont vous pouvez enfin vous détacher.</translation>
    </message>
    <message>
        <source>Mixed emotions, disappointment, reflection, release and healing.</source>
        <extracomment>Five of Hearts: keywords</extracomment>
        <translation>Émotions mêlées, déception, réflexion, lâcher-prise et guérison.</translation>
    </message>
    <message>
        <source>Which feeling was hard to name, and what was it asking for?</source>
        <extracomment>Five of Hearts: journal question</extracomment>
        <translation>Quel sentiment était difficile à nommer, et que demandait-il&#x202f;?</translation>
    </message>
    <message>
        <source>Sweet memories drift back with the Six of Hearts: a childhood street, a first home, a friend from long ago. They carry warmth rather than sorrow, and they remind you of who you were before life grew complicated. Someone from your past could get in touch, or you might feel moved to write first. Simple generosity is favoured as well. A present given for no occasion, or an errand run for a neighbour who cannot manage it, pleases the giver as much as the one who receives. The plainest pleasures often prove the richest.</source>
        <extracomment>Six of Hearts: reading</extracomment>
        <translation>De doux souvenirs reviennent avec le six de cœur&#xa0;: une rue d’enfance, un premier logement, un ami d’autrefois. Ils portent plus de chaleur que de tristesse, et rappellent qui vous étiez avant que la vie ne se complique. Quelqu’un de votre passé pourrait se manifester, ou vous pourriez avoir envie d’écrire en premier. Les petits gestes gratuits sont aussi à l’honneur. Un cadeau offert sans occasion, ou une course faite pour un voisin empêché, réjouit celui qui donne autant que celui qui reçoit. Les plaisirs les plus simples se révèlent souvent les plus riches.</translation>
    </message>
    <message>
        <source>Nostalgia, childhood, old friends, kindness and simple joys.</source>
        <extracomment>Six of Hearts: keywords</extracomment>
        <translation>Nostalgie, enfance, vieux amis, gentillesse et joies simples.</translation>
    </message>
    <message>
        <source>Which memory from long ago came back to you?</source>
        <extracomment>Six of Hearts: journal question</extracomment>
        <translation>Quel souvenir d’autrefois vous est revenu&#x202f;?</translation>
    </message>
    <message>
        <source>Possibilities crowd around you, and the Seven of Hearts warns that not all of them are what they seem. A charming promise or an offer that sounds too good to be true could tempt you. Enjoy the imagining, but take time before acting on it. This is an old card of changeable affections, so judge people by what they do over weeks, never by what they say over one glass of wine. When the choice comes, pick the real thing over the glittering one. Mirages, after all, look most convincing to the thirsty.</source>
        <extracomment>Seven of Hearts: reading</extracomment>
        <translation>Les possibilités se pressent autour de vous, et le sept de cœur prévient qu’elles ne sont pas toutes ce qu’elles paraissent. Une promesse charmante ou une offre trop belle pour être vraie pourrait vous tenter. Profitez du rêve, mais prenez votre temps avant d’agir. C’est une vieille carte des affections changeantes&#xa0;: jugez donc les gens sur ce qu’ils font pendant des semaines, jamais sur ce qu’ils disent autour d’un verre de vin. Le moment venu, préférez le vrai au clinquant. Les mirages, après tout, convainquent surtout ceux qui ont soif.</translation>
    </message>
    <message>
        <source>Temptation, illusions, choices, discernment, patience and steadiness.</source>
        <extracomment>Seven of Hearts: keywords</extracomment>
        <translation>Tentation, illusions, choix, discernement, patience et constance.</translation>
    </message>
    <message>
        <source>What do the facts say about the promise that sounded too good?</source>
        <extracomment>Seven of Hearts: journal question</extracomment>
        <translation>Que disent les faits de la promesse qui semblait trop belle&#x202f;?</translation>
    </message>
    <message>
        <source>Expect an invitation from the Eight of Hearts, perhaps to a wedding or to a table where you know only the host, and you will be glad you said yes. This sociable, generous card rewards anyone who turns up. Wear something you love, and let yourself be entertained. A conversation begun at such a gathering could deepen a friendship or start a romance. If you have kept to yourself lately, here is an opening to come back into the warmth of your own people.</source>
        <extracomment>Eight of Hearts: reading</extracomment>
        <translation>Le huit de cœur annonce une invitation, à un mariage peut-être, ou à une table où vous ne connaissez que l’hôte, et vous vous réjouirez d’avoir dit oui. Cette carte sociable et généreuse récompense qui répond présent. Mettez une tenue que vous aimez, et laissez-vous divertir. Une conversation née lors d’une telle soirée pourrait approfondir une amitié ou faire naître une idylle. Si vous avez vécu un peu à l’écart ces temps-ci, voici l’occasion de revenir dans la chaleur des vôtres.</translation>
    </message>
    <message>
        <source>Invitations, gatherings, generosity, romance and warmth.</source>
        <extracomment>Eight of Hearts: keywords</extracomment>
        <translation>Invitations, réunions, générosité, idylle et chaleur.</translation>
    </message>
    <message>
        <source>Which invitation would you like to accept, or to send?</source>
        <extracomment>Eight of Hearts: journal question</extracomment>
        <translation>Quelle invitation aimeriez-vous accepter, ou lancer&#x202f;?</translation>
    </message>
    <message>
        <source>Known everywhere as the wish card, the Nine of Hearts is counted by many readers the luckiest in the deck. A hope you have held close, perhaps for years, is nearing fulfilment. Name your wish plainly, if only to yourself, and then behave as though it could come true. Happiness is close at hand, romance too. Make time to relax and enjoy them instead of scanning the horizon for the next worry. Contentment is knocking; let it in without asking whether you have deserved it.</source>
        <extracomment>Nine of Hearts: reading</extracomment>
        <translation>Connu partout comme la carte des vœux, le neuf de cœur passe pour la carte la plus chanceuse du jeu. Un espoir chéri, parfois depuis des années, approche de son accomplissement. Formulez clairement votre vœu, ne serait-ce que pour vous, puis agissez comme s’il pouvait être exaucé. Le bonheur est à portée de main, l’amour aussi. Détendez-vous et profitez-en au lieu de scruter l’horizon en quête du prochain souci. Le contentement frappe à la porte&#x202f;; ouvrez-lui sans vous demander si vous l’avez mérité.</translation>
    </message>
    <message>
        <source>love, romance, joy, happiness and relaxing.</source>
        <extracomment>Nine of Hearts: keywords</extracomment>
        <translation>Amour, idylle, joie, bonheur et détente.</translation>
    </message>
    <message>
        <source>If you named your wish plainly, what would it be?</source>
        <extracomment>Nine of Hearts: journal question</extracomment>
        <translation>Si vous formuliez clairement votre vœu, quel serait-il&#x202f;?</translation>
    </message>
    <message>
        <source>Love grown to its full size is the subject of the Ten of Hearts. What started as one affection has become a household: the ones who know how you take your tea, who turn up without being asked, who have seen you at your worst and stayed. Whether they are kin by blood or by choice makes no difference here. Good news about a home or a wedding is traditional with this card, as is plain contentment, the kind nobody notices until it is named. Picture a table with every chair taken and the talk running over itself: that noise is what this card sounds like.</source>
        <extracomment>Ten of Hearts: reading</extracomment>
        <translation>Le dix de cœur parle de l’amour parvenu à sa pleine mesure. Ce qui était une affection est devenu un foyer&#xa0;: ceux qui savent comment vous prenez votre thé, qui viennent sans qu’on les appelle, qui ont connu vos pires jours et sont restés. Qu’ils soient de votre sang ou de votre choix, peu importe ici. L’annonce d’une maison ou d’un mariage accompagne traditionnellement cette carte, tout comme le simple contentement, celui qu’on ne remarque qu’une fois nommé. Imaginez une table où chaque chaise est prise et où les conversations se chevauchent&#xa0;: ce brouhaha, c’est le son de cette carte.</translation>
    </message>
    <message>
        <source>Family happiness, fulfilment, lasting love, home and celebration.</source>
        <extracomment>Ten of Hearts: keywords</extracomment>
        <translation>Bonheur familial, plénitude, amour durable, foyer et fête.</translation>
    </message>
    <message>
        <source>Who are the people you count as your own?</source>
        <extracomment>Ten of Hearts: journal question</extracomment>
        <translation>Qui sont les personnes que vous comptez parmi les vôtres&#x202f;?</translation>
    </message>
    <message>
        <source>Picture a man who remembers the names of his neighbours&apos; children and still gets choked up at weddings. The King of Hearts is warm, generous and a touch impulsive, quick to anger and quicker to forgive. Someone with his warmth could settle a quarrel in your circle today; let him. If nobody steps forward, the part is yours. Hearing both sides before you judge is half the work, and comfort offered without a lecture is the other half. His temper flares like a match and goes out as fast, and nobody who knows him holds it against him.</source>
        <extracomment>King of Hearts: reading</extracomment>
        <translation>Imaginez un homme qui retient le prénom des enfants de ses voisins et s’émeut encore aux mariages. Le roi de cœur est chaleureux, généreux et un peu impulsif, prompt à la colère et plus prompt encore au pardon. Quelqu’un d’aussi chaleureux pourrait apaiser une querelle chez vos proches aujourd’hui&#x202f;; laissez-le faire. Si personne ne se présente, le rôle vous revient. Écouter les deux parties avant de juger, c’est la moitié du travail&#x202f;; réconforter sans faire la leçon, c’est l’autre. Sa colère s’enflamme comme une allumette et s’éteint aussi vite&#x202f;; qui le connaît ne lui en veut pas.</translation>
    </message>
    <message>
        <source>Warmth, generosity, quick temper, forgiveness and fairness.</source>
        <extracomment>King of Hearts: keywords</extracomment>
        <translation>Chaleur, générosité, emportement, pardon et équité.</translation>
    </message>
    <message>
        <source>Which quarrel needs both sides heard before anyone judges it?</source>
        <extracomment>King of Hearts: journal question</extracomment>
        <translation>Quelle querelle demande d’entendre les deux parties avant de juger&#x202f;?</translation>
    </message>
    <message>
        <source>The kettle is always on at the Queen of Hearts&apos; table. She is the woman everyone rings in a crisis, who remembers every birthday and turns up with soup when you are ill. Her gift is intuition, a feeling for what others need before they say it. Her kind of attention is catching: a pot of something warm carried next door, or a note to someone lonely, will be remembered when the pot is long empty. Look after yourself with equal care, though, and keep one hour for your own heart. Even she sits down at last with the final cup from the pot.</source>
        <extracomment>Queen of Hearts: reading</extracomment>
        <translation>La bouilloire chauffe toujours à la table de la dame de cœur. C’est la femme que chacun appelle en cas de crise, qui n’oublie aucun anniversaire et arrive avec de la soupe quand vous êtes malade. Son don, c’est l’intuition, le sens des besoins d’autrui avant qu’ils soient dits. Son attention est contagieuse&#xa0;: un plat chaud porté chez le voisin, ou un mot à une personne seule, restera en mémoire bien après que le plat sera vide. Prenez pourtant soin de vous avec autant d’égards, et gardez une heure pour votre propre cœur. Même elle finit par s’asseoir devant la dernière tasse.</translation>
    </message>
    <message>
        <source>Nurturing, devotion, intuition, compassion, comfort and self-care.</source>
        <extracomment>Queen of Hearts: keywords</extracomment>
        <translation>Bienveillance, dévouement, intuition, compassion, réconfort et soin de soi.</translation>
    </message>
    <message>
        <source>Whose need did you sense before they said it?</source>
        <extracomment>Queen of Hearts: journal question</extracomment>
        <translation>De qui avez-vous deviné le besoin avant qu’il soit dit&#x202f;?</translation>
    </message>
    <message>
        <source>Charming, attentive and a little too fond of grand gestures, the Knight of Hearts courts the world. He could be an admirer, or the friend who sends flowers for no reason at all. In his company romance feels easy and a surprise is never far away. Enjoy the attention, and return it if you mean it. Let feelings take their time. A tender gesture is lovely; a rash promise made by candlelight is hard to unsay.</source>
        <extracomment>Knights of Hearts: reading</extracomment>
        <translation>Charmant, attentionné et un peu trop friand des grands gestes, le valet de cœur courtise le monde entier. Ce peut être un admirateur, ou l’ami qui envoie des fleurs sans raison. En sa compagnie, l’amour semble facile et la surprise n’est jamais loin. Profitez de l’attention, et rendez-la si vous êtes sincère. Laissez aux sentiments le temps de mûrir. Un geste tendre est délicieux&#x202f;; une promesse hâtive faite aux chandelles se reprend mal.</translation>
    </message>
    <message>
        <source>Romance, devotion, charm, good company and open hearts.</source>
        <extracomment>Knights of Hearts: keywords</extracomment>
        <translation>Idylle, dévouement, charme, bonne compagnie et cœurs ouverts.</translation>
    </message>
    <message>
        <source>What gesture of affection would you make if you had the nerve?</source>
        <extracomment>Knights of Hearts: journal question</extracomment>
        <translation>Quel geste tendre feriez-vous si vous en aviez l’audace&#x202f;?</translation>
    </message>
    <message>
        <source>Feared by many, the Ace of Spades is really a card of transformation. Some part of your life is ending, or needs to end, so that something sturdier can take its place, whether a habit or a belief that has run its course. Remember that a spade is also a digging tool, the blade that breaks hard earth so that roots can take hold. Endings are rarely comfortable, but this Ace offers a clean cut. Decide what no longer serves you, and act on it without apology. Whatever grows in the cleared ground will be truly yours.</source>
        <extracomment>Ace of Spades: reading</extracomment>
        <translation>Redouté de beaucoup, l’as de pique est en réalité une carte de transformation. Une part de votre vie s’achève, ou doit s’achever, pour qu’une chose plus solide prenne sa place, habitude ou croyance qui a fait son temps. Regardez bien le pique&#xa0;: il a la forme d’une lame de bêche, celle qui fend la terre dure pour que les racines s’y accrochent. Les fins sont rarement confortables, mais cet as offre une coupure nette. Décidez de ce qui ne vous sert plus, et agissez sans vous excuser. Ce qui poussera dans la terre dégagée sera vraiment à vous.</translation>
    </message>
    <message>
        <source>Transformation, endings, decisiveness and renewal.</source>
        <extracomment>Ace of Spades: keywords</extracomment>
        <translation>Transformation, fins, esprit de décision et renouveau.</translation>
    </message>
    <message>
        <source>What is ending, and what should grow in its place?</source>
        <extracomment>Ace of Spades: journal question</extracomment>
        <translation>Qu’est-ce qui s’achève, et qu’est-ce qui devrait pousser à sa place&#x202f;?</translation>
    </message>
    <message>
        <source>Stalemate is the word for the Two of Spades. Two paths or two loyalties pull you in opposite directions, and not choosing at all can look tempting. Putting it off only leaves you standing at the crossroads. Look squarely at the whole situation; facts help, and your instinct helps too, though no choice will be perfect. A tense conversation might be needed, and a truce is possible if both sides are honest about what they want. In tarot the matching picture is a blindfolded woman holding two crossed swords, perfectly balanced and going nowhere.</source>
        <extracomment>Two of Spades: reading</extracomment>
        <translation>Impasse&#xa0;: voilà le mot du deux de pique. Deux chemins ou deux loyautés vous tirent en sens contraires, et ne pas choisir du tout peut sembler tentant. Remettre à plus tard ne fait que prolonger l’attente au carrefour. Regardez la situation en face&#x202f;; les faits aident, votre instinct aussi, même si aucun choix ne sera parfait. Une conversation tendue sera peut-être nécessaire, et une trêve est possible si chaque camp dit franchement ce qu’il veut. Dans le tarot, l’image correspondante montre une femme aux yeux bandés tenant deux épées croisées, en parfait équilibre et n’allant nulle part.</translation>
    </message>
    <message>
        <source>Difficult choices, stalemate, truth, truce and commitment.</source>
        <extracomment>Two of Spades: keywords</extracomment>
        <translation>Choix difficiles, impasse, vérité, trêve et engagement.</translation>
    </message>
    <message>
        <source>What fact would settle the choice you keep putting off?</source>
        <extracomment>Two of Spades: journal question</extracomment>
        <translation>Quel fait trancherait le choix que vous repoussez sans cesse&#x202f;?</translation>
    </message>
    <message>
        <source>The Three of Spades denotes destruction. Something in your life has reached the point where it cannot be mended, and the card asks you to stop pretending otherwise. It could be a quarrel that keeps returning or a partnership built on unequal terms. Separation can hurt, but it can also free you. Look honestly at your own part in the conflict, so that you do not carry it into what comes next. From the rubble you can build a more independent life, one chosen with open eyes. A new phase begins once you let the old one go.</source>
        <extracomment>Three of Spades: reading</extracomment>
        <translation>Le trois de pique annonce une destruction. Quelque chose dans votre vie est devenu irréparable, et la carte vous demande de cesser de faire semblant. Ce peut être une dispute qui revient toujours, ou une association bâtie sur des termes inégaux. La séparation peut faire mal, mais elle peut aussi libérer. Regardez honnêtement votre propre part dans le conflit, afin de ne pas l’emporter dans ce qui suit. Sur les décombres, vous pouvez bâtir une vie plus indépendante, choisie les yeux ouverts. Une nouvelle étape commence dès que vous lâchez l’ancienne.</translation>
    </message>
    <message>
        <source>Independent, self-destructive, conflicts, separation and starting a new phase of life.</source>
        <extracomment>Three of Spades: keywords</extracomment>
        <translation>Indépendance, autodestruction, conflits, séparation et début d’une nouvelle étape de la vie.</translation>
    </message>
    <message>
        <source>What are you still trying to mend that cannot be mended?</source>
        <extracomment>Three of Spades: journal question</extracomment>
        <translation>Qu’essayez-vous encore de réparer qui ne peut l’être&#x202f;?</translation>
    </message>
    <message>
        <source>Rest and recovery are the business of the Four of Spades. If the last stretch has been hard, body and mind need time to mend, and pushing on regardless only delays the return of your strength. Cancel whatever can be cancelled and turn down the noise. Problems will wait a day or two; most will still be there, and will find you better prepared. Old books connect this card with a minor illness and with the calm that follows it, when the house goes still and the mending gets done. Treat the pause as a hearth where your strength warms itself again.</source>
        <extracomment>Four of Spades: reading</extracomment>
        <translation>Le repos et la convalescence sont l’affaire du quatre de pique. Si la dernière période a été rude, le corps et l’esprit ont besoin de temps pour se remettre, et forcer quand même ne fait que retarder le retour de vos forces. Annulez ce qui peut l’être et baissez le volume. Les problèmes attendront un jour ou deux&#x202f;; la plupart seront encore là, et vous trouveront en meilleure forme. Les vieux livres associent cette carte à une maladie bénigne et au calme qui la suit, quand la maison se tait et que la guérison fait son œuvre. Voyez cette pause comme un âtre où vos forces se réchauffent.</translation>
    </message>
    <message>
        <source>Rest, recovery, retreat, healing and quiet preparation.</source>
        <extracomment>Four of Spades: keywords</extracomment>
        <translation>Repos, convalescence, retraite, guérison et préparation tranquille.</translation>
    </message>
    <message>
        <source>What could you cancel or postpone to make room for rest?</source>
        <extracomment>Four of Spades: journal question</extracomment>
        <translation>Que pourriez-vous annuler ou reporter pour faire place au repos&#x202f;?</translation>
    </message>
    <message>
        <source>Nobody really wins the battle the Five of Spades describes. An argument can tempt you to prove yourself right at any cost, and the price could be higher than the prize. What do you actually want from this conflict? Often the wiser move is to step away with your dignity whole and your temper cool. If someone has wronged you, one clear boundary, stated once, does more than any amount of argument. Setbacks of this sort are temporary, and the respect you keep by declining a petty fight outlasts them by years.</source>
        <extracomment>Five of Spades: reading</extracomment>
        <translation>Personne ne gagne vraiment la bataille que décrit le cinq de pique. Une dispute peut vous pousser à prouver que vous avez raison à tout prix, et le prix pourrait dépasser l’enjeu. Qu’attendez-vous au juste de ce conflit&#x202f;? Souvent, le plus sage est de se retirer, la dignité intacte et la tête froide. Si l’on vous a fait du tort, une limite claire, posée une seule fois, vaut mieux que mille arguments. Ces revers sont passagers, et le respect que vous préservez en refusant une querelle mesquine leur survit de plusieurs années.</translation>
    </message>
    <message>
        <source>Conflict, setbacks, boundaries, dignity, restraint and wise retreat.</source>
        <extracomment>Five of Spades: keywords</extracomment>
        <translation>Conflit, revers, limites, dignité, retenue et sage retraite.</translation>
    </message>
    <message>
        <source>Which fight is not worth winning?</source>
        <extracomment>Five of Spades: journal question</extracomment>
        <translation>Quel combat ne vaut pas la peine d’être gagné&#x202f;?</translation>
    </message>
    <message>
        <source>Rough water falls behind you under the Six of Spades. If trouble has dogged you, it begins to ease, not all at once but by degrees, the way a ferry nearing the far shore feels the water calm under its hull. Cartomancers have long linked it with a journey, often over water, and with a move away from difficulty rather than a victory over it. You need not have solved everything to be better off; distance does a good deal of the mending. Pack only what the crossing requires and leave the rest on the quay. Improvement that comes this way is slow, which is exactly why it tends to last.</source>
        <extracomment>Six of Spades: reading</extracomment>
        <translation>Les eaux agitées s’éloignent derrière vous avec le six de pique. Si les ennuis vous collaient aux talons, ils commencent à s’apaiser, non d’un coup mais peu à peu, comme un bac qui approche de l’autre rive sent l’eau se calmer sous sa coque. Les cartomanciens l’associent depuis longtemps à un voyage, souvent sur l’eau, et à un éloignement des difficultés plutôt qu’à une victoire sur elles. Nul besoin d’avoir tout résolu pour aller mieux&#x202f;; la distance fait une bonne part de la réparation. N’emportez que ce qu’exige la traversée et laissez le reste sur le quai. L’amélioration qui vient ainsi est lente, et c’est pour cela qu’elle dure.</translation>
    </message>
    <message>
        <source>Passage, gradual improvement, journeys, calmer waters and relief.</source>
        <extracomment>Six of Spades: keywords</extracomment>
        <translation>Passage, amélioration progressive, voyages, eaux plus calmes et soulagement.</translation>
    </message>
    <message>
        <source>What are you leaving behind, and what goes with you across the water?</source>
        <extracomment>Six of Spades: journal question</extracomment>
        <translation>Que laissez-vous derrière vous, et qu’emportez-vous de l’autre côté de l’eau&#x202f;?</translation>
    </message>
    <message>
        <source>Keep your wits about you when the Seven of Spades appears. Someone might not be telling the whole story, or a plan that looks simple could hide complications. Blind trust would be unwise today, and suspicion of everyone just as unwise; what the day asks for is attention. Check the details and keep private matters private. A loan you cannot afford to lose is one you cannot afford to make. Where petty deceptions are about, the surest protection is honesty, including honesty with yourself about what you hope to hear.</source>
        <extracomment>Seven of Spades: reading</extracomment>
        <translation>Ouvrez l’œil quand le sept de pique apparaît. Quelqu’un ne dit peut-être pas toute l’histoire, ou un projet simple en apparence cache des complications. Une confiance aveugle serait imprudente aujourd’hui, et une méfiance générale tout autant&#x202f;; ce que demande la journée, c’est de l’attention. Vérifiez les détails et gardez pour vous ce qui est privé. Ne prêtez pas ce que vous ne pouvez pas vous permettre de perdre. Là où rôdent les petites tromperies, la meilleure protection est l’honnêteté, y compris envers vous-même sur ce que vous espérez entendre.</translation>
    </message>
    <message>
        <source>Caution, deception, vigilance and plain honesty.</source>
        <extracomment>Seven of Spades: keywords</extracomment>
        <translation>Prudence, tromperie, vigilance et franche honnêteté.</translation>
    </message>
    <message>
        <source>What detail deserves a second look before you trust it?</source>
        <extracomment>Seven of Spades: journal question</extracomment>
        <translation>Quel détail mérite un second regard avant de vous y fier&#x202f;?</translation>
    </message>
    <message>
        <source>The Eight of Spades draws a fence around the day: plans stall, answers are slow, and every way forward seems shut. Walk the whole fence before you decide it has no gate. Some of its posts are real limits; others are only worry, and worry gives way when you lean on it. Pick one job that you can finish today and finish it. With patience and a fresh angle you will find the gate.</source>
        <extracomment>Eight of Spades: reading</extracomment>
        <translation>Le huit de pique dresse une clôture autour de la journée&#xa0;: les projets calent, les réponses tardent, tout semble fermé. Longez-la tout entière avant de conclure qu’elle n’a pas de portail. Certains poteaux sont de vraies limites&#x202f;; d’autres ne sont que des soucis, qui cèdent quand on s’y appuie. Choisissez une tâche à finir aujourd’hui et finissez-la. Avec patience et un regard neuf, vous trouverez le portail.</translation>
    </message>
    <message>
        <source>Restriction, frustration, patience, perspective and small steps.</source>
        <extracomment>Eight of Spades: keywords</extracomment>
        <translation>Restriction, frustration, patience, recul et petits pas.</translation>
    </message>
    <message>
        <source>Which limits are real, and which are only worry?</source>
        <extracomment>Eight of Spades: journal question</extracomment>
        <translation>Quelles limites sont réelles, et lesquelles ne sont que des soucis&#x202f;?</translation>
    </message>
    <message>
        <source>Of all the cards, the Nine of Spades has the heaviest name, linked with worry and sleepless nights. If anxiety sits with you today, remember that fears grow tall in the dark and shrink in daylight. Writing down what troubles you helps to sort the real problems from the imagined ones, and the real ones are easier to share. Resilience is being tested, and it has held under strain before. Every hardship you come through becomes part of the strength you draw on later. When the day is done, put the phone away early and let sleep do part of the work.</source>
        <extracomment>Nine of Spades: reading</extracomment>
        <translation>De toutes les cartes, le neuf de pique a la pire réputation, liée aux soucis et aux nuits blanches. Si l’angoisse vous accompagne aujourd’hui, rappelez-vous que les peurs grandissent dans le noir et rapetissent au grand jour. Écrire ce qui vous tracasse aide à séparer les vrais problèmes des imaginaires, et les vrais se partagent plus facilement. Votre résilience est mise à l’épreuve, et elle a déjà tenu bon. Chaque difficulté traversée devient une part de la force où vous puiserez plus tard. Le soir venu, rangez tôt le téléphone et laissez le sommeil faire une partie du travail.</translation>
    </message>
    <message>
        <source>Anxiety, worry, resilience, courage and asking for help.</source>
        <extracomment>Nine of Spades: keywords</extracomment>
        <translation>Anxiété, soucis, résilience, courage et oser demander de l’aide.</translation>
    </message>
    <message>
        <source>What is the worry, written down in plain words?</source>
        <extracomment>Nine of Spades: journal question</extracomment>
        <translation>Quel est ce souci, écrit en mots simples&#x202f;?</translation>
    </message>
    <message>
        <source>With the Ten of Spades something is finished, and finished for good. Older readers tied it to grief and unwelcome news, and it can carry both; what it does not carry is more of the same. If something has been hurting you, it has nowhere further to go. A parting can sting even when it was overdue, and it is allowed to. Notice which habit went with it, and do not pick that habit up again out of loyalty to the past. Ten completes the suit: from here the next deal starts with an Ace, and those same readers held that prosperity comes after the mourning.</source>
        <extracomment>Ten of Spades: reading</extracomment>
        <translation>Avec le dix de pique, quelque chose est fini, et fini pour de bon. Les lectures anciennes l’associaient au deuil et aux mauvaises nouvelles, et il peut annoncer l’un comme l’autre&#x202f;; ce qu’il n’annonce pas, c’est que cela continue. Si une chose vous faisait souffrir, elle n’a plus nulle part où aller. Une séparation peut piquer même quand elle se faisait attendre, et c’est permis. Remarquez quelle habitude est partie avec elle, et ne la reprenez pas par fidélité au passé. Le dix clôt la couleur&#xa0;: la donne suivante commence par un as, et ces mêmes lectures voulaient que la prospérité suive le deuil.</translation>
    </message>
    <message>
        <source>New beginning, realization, end of bad habits, painful parting and prosperous. </source>
        <extracomment>Ten of Spades: keywords</extracomment>
        <translation>Nouveau départ, prise de conscience, fin des mauvaises habitudes, séparation douloureuse et prospérité.</translation>
    </message>
    <message>
        <source>Which habit can leave along with what has ended?</source>
        <extracomment>Ten of Spades: journal question</extracomment>
        <translation>Quelle habitude peut partir avec ce qui s’est achevé&#x202f;?</translation>
    </message>
    <message>
        <source>Cold air and clear thinking come with the King of Spades, a man whose word carries weight. He might be a judge or a surgeon, or the examiner who reads in silence and then asks the one question you hoped to avoid. He is neither cruel nor kind; he is exact. When a decision of that formal kind is due, go prepared: know your rights, have your papers in order and keep your answers brief. Few argue with his verdicts, because he always shows his reasons.</source>
        <extracomment>King of Spades: reading</extracomment>
        <translation>Un air froid et une pensée claire accompagnent le roi de pique, un homme dont la parole pèse. Ce peut être un juge ou un chirurgien, ou l’examinateur qui lit en silence puis pose la seule question que vous espériez éviter. Il n’est ni cruel ni bon&#x202f;; il est précis. Quand une décision officielle de ce genre approche, présentez-vous en connaissant vos droits, dossier en ordre et réponses brèves. Peu contestent ses verdicts, car il donne toujours ses raisons.</translation>
    </message>
    <message>
        <source>Authority, judgement, fairness and preparation.</source>
        <extracomment>King of Spades: keywords</extracomment>
        <translation>Autorité, jugement, équité et préparation.</translation>
    </message>
    <message>
        <source>What decision needs your reasons set down on paper?</source>
        <extracomment>King of Spades: journal question</extracomment>
        <translation>Quelle décision demande que vous couchiez vos raisons sur le papier&#x202f;?</translation>
    </message>
    <message>
        <source>Life has not been easy for the Queen of Spades, and it has left her clear-eyed rather than bitter. She has stopped pretending, and her dry wit spares no one, herself least of all. Flattery bores her. She will tell you what you need to hear instead of what you would like to hear, and she deserves thanks for it, though it stings. She also stands for clarity you have earned yourself, the kind hard experience teaches: boundaries drawn without apology and the true thing said plainly. Her smile is rare, and worth more for it.</source>
        <extracomment>Queen of Spades: reading</extracomment>
        <translation>La vie n’a pas été facile pour la dame de pique, et elle en est sortie lucide plutôt qu’amère. Elle a cessé de faire semblant, et son humour pince-sans-rire n’épargne personne, elle-même moins que quiconque. La flatterie l’ennuie. Elle vous dira ce que vous avez besoin d’entendre plutôt que ce que vous aimeriez entendre, et mérite d’en être remerciée, même si cela pique. Elle représente aussi une clarté acquise par vous-même, celle qu’enseigne la dure expérience&#xa0;: des limites posées sans excuse et la vérité dite simplement. Son sourire est rare, et n’en vaut que plus.</translation>
    </message>
    <message>
        <source>Independence, perception, honesty, boundaries and resilience.</source>
        <extracomment>Queen of Spades: keywords</extracomment>
        <translation>Indépendance, perspicacité, honnêteté, limites et résilience.</translation>
    </message>
    <message>
        <source>What true thing needs saying plainly, to someone or to yourself?</source>
        <extracomment>Queen of Spades: journal question</extracomment>
        <translation>Quelle vérité faut-il dire simplement, à quelqu’un ou à vous-même&#x202f;?</translation>
    </message>
    <message>
        <source>The Knight of Spades fights for whatever cause he takes up and seldom stops to ask whether the fight is needed. You might meet him as a blunt acquaintance or a rival who plays to win, or find him in your own temper. Sharp words could come your way today. Before reacting, separate what was said from how it was said; there is often useful truth under bad manners. Rushing in is his fault, not a virtue to copy, since a curt reply or a reckless decision can take weeks to undo. Courage that waits on judgement serves better than courage that charges.</source>
        <extracomment>Knights of Spades: reading</extracomment>
        <translation>Le valet de pique se bat pour toute cause qu’il embrasse, sans guère se demander si le combat s’impose. Il peut prendre les traits d’une connaissance brusque ou d’un rival qui joue pour gagner, ou se loger dans votre propre humeur. Des mots durs pourraient fuser aujourd’hui. Avant de réagir, séparez le fond de la forme&#x202f;; il y a souvent une vérité utile sous les mauvaises manières. Foncer tête baissée est son défaut, pas une vertu à imiter&#xa0;: une réponse sèche ou une décision irréfléchie peut prendre des semaines à réparer. Le courage qui attend le jugement sert mieux que celui qui charge.</translation>
    </message>
    <message>
        <source>Bluntness, impulse, haste, hard truths and courage.</source>
        <extracomment>Knights of Spades: keywords</extracomment>
        <translation>Rudesse, impulsivité, hâte, dures vérités et courage.</translation>
    </message>
    <message>
        <source>Was there any truth under the sharp words you heard?</source>
        <extracomment>Knights of Spades: journal question</extracomment>
        <translation>Y avait-il du vrai sous les mots durs que vous avez entendus&#x202f;?</translation>
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
        <translation>Utilisation&#xa0;: %1 [/STARTUP]
Affiche chaque jour une carte à jouer et sa signification.

  /STARTUP       lancé à l’ouverture de session&#xa0;: attendre dans la zone de notification si cette option est choisie
  -h, --help     afficher cette aide et quitter
  -v, --version  afficher la version et quitter
</translation>
    </message>
</context>
<context>
    <name>JournalExport</name>
    <message>
        <source>Tarvelle journal</source>
        <translation>Journal de Tarvelle</translation>
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
Période favorable&#xa0;: %3
Mots-clés&#xa0;: %4
</translation>
    </message>
</context>
<context>
    <name>OnDemandJournalStore</name>
    <message>
        <source>%1 is not installed</source>
        <translation>%1 n’est pas installé</translation>
    </message>
    <message>
        <source>The journal %1 cannot be opened: the part of Tarvelle that keeps it is missing (%2). Installing Tarvelle again mends this.</source>
        <translation>Impossible d’ouvrir le journal %1&#xa0;: le composant de Tarvelle qui le gère est absent (%2). Réinstaller Tarvelle corrige le problème.</translation>
    </message>
    <message>
        <source>Today&apos;s card and the settings are unharmed. The days drawn and the notes typed are kept while Tarvelle runs, but cannot be written.</source>
        <translation>La carte du jour et les paramètres sont intacts. Les tirages et les notes saisies sont conservés tant que Tarvelle est ouvert, mais ne peuvent pas être enregistrés.</translation>
    </message>
</context>
<context>
    <name>Referral</name>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>Veuillez saisir deux adresses e-mail différentes</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>Veuillez saisir une adresse e-mail valide</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Veuillez saisir votre nom</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>Veuillez saisir votre adresse e-mail</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>Veuillez saisir votre message</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>Veuillez saisir le nom de votre ami</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>Veuillez saisir l’adresse e-mail de votre ami</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>Votre nom</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Votre adresse e-mail</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>Votre message</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Nom de votre ami</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>Adresse e-mail de votre ami</translation>
    </message>
</context>
<context>
    <name>SqliteJournalFile</name>
    <message>
        <source>%1 is the journal itself.</source>
        <translation>%1 est le journal lui-même.</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2.</source>
        <translation>Impossible d’écrire dans %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>The journal could not be copied to %1: %2.</source>
        <translation>Impossible de copier le journal vers %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>%1 is neither a backup of a journal nor a CSV exported by Tarvelle.</source>
        <translation>%1 n’est ni une sauvegarde de journal ni un CSV exporté par Tarvelle.</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2.</source>
        <translation>Impossible de lire %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>%1 cannot be read as a journal: %2</source>
        <translation>%1 ne peut pas être lu comme un journal&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 comes from a newer version of Tarvelle (format %2; this version knows format %3).</source>
        <translation>%1 provient d’une version plus récente de Tarvelle (format %2&#x202f;; cette version connaît le format %3).</translation>
    </message>
    <message>
        <source>The days drawn and the notes typed are kept while Tarvelle runs, and written to the journal as soon as it takes them.</source>
        <translation>Les tirages et les notes saisies sont conservés tant que Tarvelle est ouvert, et enregistrés dans le journal dès qu’il peut les recevoir.</translation>
    </message>
    <message>
        <source>The journal %1 cannot be opened: %2.</source>
        <translation>Impossible d’ouvrir le journal %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>The journal cannot be kept: Qt&apos;s SQLite driver (Debian package libqt6sql6-sqlite) is not installed.</source>
        <translation>Le journal ne peut pas être conservé&#xa0;: le pilote SQLite de Qt (paquet Debian libqt6sql6-sqlite) n’est pas installé.</translation>
    </message>
    <message>
        <source>The journal&apos;s folder %1 cannot be made: %2.</source>
        <translation>Impossible de créer le dossier du journal %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>The journal %1 cannot be written: %2.</source>
        <translation>Impossible d’écrire dans le journal %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>The journal cannot be made in %1: %2.</source>
        <translation>Impossible de créer le journal dans %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>The journal %1 changed while it was being opened.</source>
        <translation>Le journal %1 a été modifié pendant son ouverture.</translation>
    </message>
    <message>
        <source>The journal %1 comes from a newer version of Tarvelle (format %2; this version knows format %3) and is left as it is.</source>
        <translation>Le journal %1 provient d’une version plus récente de Tarvelle (format %2&#x202f;; cette version connaît le format %3)&#x202f;; il est laissé tel quel.</translation>
    </message>
    <message>
        <source>Its days are shown, but nothing new is written to it, and notes cannot be typed.</source>
        <translation>Ses jours sont affichés, mais rien de nouveau n’y est écrit, et aucune note ne peut être saisie.</translation>
    </message>
    <message>
        <source>This version cannot show its days, and nothing new is written to it.</source>
        <translation>Cette version ne peut pas afficher ses jours, et rien de nouveau n’y est écrit.</translation>
    </message>
    <message>
        <source>The journal %1 is in use by another program.</source>
        <translation>Le journal %1 est utilisé par un autre programme.</translation>
    </message>
    <message>
        <source>The disk that holds the journal %1 is full.</source>
        <translation>Le disque qui contient le journal %1 est plein.</translation>
    </message>
    <message>
        <source>The journal %1 could not be written: %2.</source>
        <translation>Le journal %1 n’a pas pu être écrit&#xa0;: %2.</translation>
    </message>
    <message>
        <source>The journal %1 could not be read: %2.</source>
        <translation>Le journal %1 n’a pas pu être lu&#xa0;: %2.</translation>
    </message>
    <message>
        <source>The journal %1 is damaged and cannot be moved aside: %2. It is left as it is.</source>
        <translation>Le journal %1 est endommagé et ne peut pas être mis de côté&#xa0;: %2. Il est laissé tel quel.</translation>
    </message>
    <message>
        <source>The journal file was damaged. It has been kept, untouched, as %1, and a new journal has begun.</source>
        <translation>Le fichier du journal était endommagé. Il a été conservé intact sous le nom %1, et un nouveau journal a commencé.</translation>
    </message>
    <message>
        <source>Nothing of the damaged file has been deleted.</source>
        <translation>Rien du fichier endommagé n’a été supprimé.</translation>
    </message>
</context>
<context>
    <name>UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available<byte value="xd"/>Do you want to check for an update?</source>
        <translation>Une mise à jour de ce logiciel est peut-être disponible.<byte value="xd"/>Voulez-vous la rechercher maintenant&#x202f;?</translation>
    </message>
</context>
<context>
    <name>app::CardPanel</name>
    <message>
        <source>Cartomancy Card For The Day</source>
        <translation>Carte du jour</translation>
    </message>
    <message>
        <source>Favorable Time Period</source>
        <translation>Période favorable</translation>
    </message>
    <message>
        <source>Keywords</source>
        <translation>Mots-clés</translation>
    </message>
    <message>
        <source>Characteristics</source>
        <translation>Caractéristiques</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Paramètres</translation>
    </message>
</context>
<context>
    <name>app::CardPicture</name>
    <message>
        <source>Picture of the card %1</source>
        <translation>Image de la carte %1</translation>
    </message>
</context>
<context>
    <name>app::JournalCalendar</name>
    <message>
        <source>, with a note</source>
        <translation>, avec une note</translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation>Mois précédent</translation>
    </message>
    <message>
        <source>Previous month (Page Up)</source>
        <translation>Mois précédent (Page précédente)</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>Mois suivant</translation>
    </message>
    <message>
        <source>Next month (Page Down)</source>
        <translation>Mois suivant (Page suivante)</translation>
    </message>
    <message>
        <source>Days of the month</source>
        <translation>Jours du mois</translation>
    </message>
</context>
<context>
    <name>app::JournalExportDialog</name>
    <message>
        <source>Export</source>
        <translation>Exporter</translation>
    </message>
    <message>
        <source>E&amp;very day</source>
        <translation>&amp;Tous les jours</translation>
    </message>
    <message>
        <source>Days &amp;from</source>
        <translation>&amp;Jours du</translation>
    </message>
    <message>
        <source>First day</source>
        <translation>Premier jour</translation>
    </message>
    <message>
        <source>&amp;to</source>
        <translation>&amp;au</translation>
    </message>
    <message>
        <source>Last day</source>
        <translation>Dernier jour</translation>
    </message>
    <message>
        <source>&amp;Markdown</source>
        <translation>&amp;Markdown</translation>
    </message>
    <message>
        <source>&amp;CSV, for spreadsheets</source>
        <translation>&amp;CSV, pour les tableurs</translation>
    </message>
    <message>
        <source>&amp;Export…</source>
        <translation>&amp;Exporter…</translation>
    </message>
    <message>
        <source>Which days</source>
        <translation>Quels jours</translation>
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
        <translation>Rouge/noir</translation>
    </message>
    <message>
        <source>This month</source>
        <translation>Ce mois-ci</translation>
    </message>
    <message>
        <source>This year</source>
        <translation>Cette année</translation>
    </message>
    <message>
        <source>Everything</source>
        <translation>Depuis le début</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Période</translation>
    </message>
    <message>
        <source>Suits and colours</source>
        <translation>Répartition par couleur</translation>
    </message>
    <message>
        <source>&amp;Period:</source>
        <translation>&amp;Période&#xa0;:</translation>
    </message>
    <message>
        <source>Clubs</source>
        <translation>Trèfles</translation>
    </message>
    <message>
        <source>Diamonds</source>
        <translation>Carreaux</translation>
    </message>
    <message>
        <source>Hearts</source>
        <translation>Cœurs</translation>
    </message>
    <message>
        <source>Spades</source>
        <translation>Piques</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Red %1, black %2.</source>
        <translation>Rouges&#xa0;: %1, noires&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Came up most: %1.</source>
        <translation>En tête des tirages&#xa0;: %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n day(s) recorded, %1 with a note.</source>
        <extracomment>%1 is the number of days with a note</extracomment>
        <translation>
            <numerusform>%n jour enregistré, dont %1 avec une note.</numerusform>
            <numerusform>%n jours enregistrés, dont %1 avec une note.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 (%n time(s))</source>
        <translation>
            <numerusform>%1 (%n fois)</numerusform>
            <numerusform>%1 (%n fois)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Longest run of days with a note: %n day(s).</source>
        <translation>
            <numerusform>Plus longue série de jours avec une note&#xa0;: %n jour.</numerusform>
            <numerusform>Plus longue série de jours avec une note&#xa0;: %n jours.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>app::JournalWindow</name>
    <message>
        <source>Journal</source>
        <translation>Journal</translation>
    </message>
    <message>
        <source>Import into the journal</source>
        <translation>Importer dans le journal</translation>
    </message>
    <message>
        <source>Back up the journal</source>
        <translation>Sauvegarder le journal</translation>
    </message>
    <message>
        <source>Export the journal</source>
        <translation>Exporter le journal</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>&amp;Rechercher&#xa0;:</translation>
    </message>
    <message>
        <source>Find a card or words in the notes</source>
        <translation>Rechercher une carte ou des mots dans les notes</translation>
    </message>
    <message>
        <source>A card or words in the notes</source>
        <translation>Une carte ou des mots dans les notes</translation>
    </message>
    <message>
        <source>&amp;Go to day:</source>
        <translation>&amp;Aller au jour&#xa0;:</translation>
    </message>
    <message>
        <source>Go to day</source>
        <translation>Aller au jour</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Jours</translation>
    </message>
    <message>
        <source>&amp;Days</source>
        <translation>&amp;Jours</translation>
    </message>
    <message>
        <source>C&amp;alendar</source>
        <translation>&amp;Calendrier</translation>
    </message>
    <message>
        <source>Your &amp;year</source>
        <translation>&amp;Votre année</translation>
    </message>
    <message>
        <source>What came up, as a picture</source>
        <translation>Vos tirages, en image</translation>
    </message>
    <message>
        <source>&amp;Export…</source>
        <translation>&amp;Exporter…</translation>
    </message>
    <message>
        <source>&amp;Back Up…</source>
        <translation>&amp;Sauvegarder…</translation>
    </message>
    <message>
        <source>Back Up Journal…</source>
        <translation>Sauvegarder le journal…</translation>
    </message>
    <message>
        <source>&amp;Import…</source>
        <translation>&amp;Importer…</translation>
    </message>
    <message>
        <source>Import days from a backup or an exported CSV</source>
        <translation>Importer des jours depuis une sauvegarde ou un CSV exporté</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>C&amp;opier</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Favorable Time Period</source>
        <translation>Période favorable</translation>
    </message>
    <message>
        <source>Keywords</source>
        <translation>Mots-clés</translation>
    </message>
    <message>
        <source>Characteristics</source>
        <translation>Caractéristiques</translation>
    </message>
    <message>
        <source>The day&apos;s card</source>
        <translation>La carte du jour</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>&amp;Note for %1</source>
        <translation>&amp;Note du %1</translation>
    </message>
    <message>
        <source>Note for %1</source>
        <translation>Note du %1</translation>
    </message>
    <message>
        <source>A note holds at most %L1 characters; this one has no room for more.</source>
        <translation>Une note ne peut dépasser %L1 caractères&#x202f;; celle-ci n’a plus de place.</translation>
    </message>
    <message>
        <source>The note for %1 was changed elsewhere while it was open here; both are kept.</source>
        <translation>La note du %1 a été modifiée ailleurs pendant qu’elle était ouverte ici&#x202f;; les deux versions sont conservées.</translation>
    </message>
    <message>
        <source>%1 is on the clipboard.</source>
        <translation>Le %1 est copié dans le presse-papiers.</translation>
    </message>
    <message>
        <source>CSV, comma-separated (*.csv)</source>
        <translation>CSV, valeurs séparées par des virgules (*.csv)</translation>
    </message>
    <message>
        <source>Markdown (*.md)</source>
        <translation>Markdown (*.md)</translation>
    </message>
    <message>
        <source>The journal could not be exported to %1: %2.</source>
        <translation>Impossible d’exporter le journal vers %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Journal backups (*.sqlite)</source>
        <translation>Sauvegardes du journal (*.sqlite)</translation>
    </message>
    <message>
        <source>The journal could not be backed up to %1: %2</source>
        <translation>Impossible de sauvegarder le journal dans %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>The journal is backed up to %1.</source>
        <translation>Le journal est sauvegardé dans %1.</translation>
    </message>
    <message>
        <source>Journal backups and exports (*.sqlite *.csv);;All files (*)</source>
        <translation>Sauvegardes et exports du journal (*.sqlite *.csv);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Imported from %1: new days %2, notes joined to the journal&apos;s own %3.</source>
        <translation>Importation depuis %1 terminée. Nouveaux jours&#xa0;: %2&#x202f;; notes fusionnées avec celles du journal&#xa0;: %3.</translation>
    </message>
    <message>
        <source>%1 is neither a journal backup nor a CSV exported from the journal; nothing was changed.</source>
        <translation>%1 n’est ni une sauvegarde du journal ni un CSV exporté depuis le journal&#x202f;; rien n’a été modifié.</translation>
    </message>
    <message>
        <source>%1 could not be read (%2); nothing was changed.</source>
        <translation>Impossible de lire %1 (%2)&#x202f;; rien n’a été modifié.</translation>
    </message>
    <message>
        <source>The journal could not take the import (%1); nothing was changed.</source>
        <translation>Le journal n’a pas pu recevoir l’importation (%1)&#x202f;; rien n’a été modifié.</translation>
    </message>
    <message numerus="yes">
        <source>Came up %n time(s) since %1</source>
        <extracomment>%1 is the date of the first day in the journal</extracomment>
        <translation>
            <numerusform>Tirée %n fois depuis le %1</numerusform>
            <numerusform>Tirée %n fois depuis le %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n day(s) in the journal.</source>
        <translation>
            <numerusform>%n jour dans le journal.</numerusform>
            <numerusform>%n jours dans le journal.</numerusform>
        </translation>
    </message>
    <message>
        <source>Tarvelle journal</source>
        <translation>Journal de Tarvelle</translation>
    </message>
    <message numerus="yes">
        <source>%n day(s) exported to %1.</source>
        <translation>
            <numerusform>%n jour exporté vers %1.</numerusform>
            <numerusform>%n jours exportés vers %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>app::MainWindow</name>
    <message>
        <source>Later</source>
        <translation>Plus tard</translation>
    </message>
    <message>
        <source>In &amp;10 Minutes</source>
        <translation>Dans &amp;10 minutes</translation>
    </message>
    <message>
        <source>In an &amp;Hour</source>
        <translation>Dans une &amp;heure</translation>
    </message>
    <message>
        <source>In &amp;Three Hours</source>
        <translation>Dans &amp;trois heures</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>Show &amp;Cartomancy Card</source>
        <translation>Afficher la &amp;carte du jour</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Outils</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Paramètres</translation>
    </message>
    <message>
        <source>&amp;Journal</source>
        <translation>&amp;Journal</translation>
    </message>
    <message>
        <source>&amp;Wait While I&apos;m Busy</source>
        <translation>&amp;Attendre que je sois disponible</translation>
    </message>
    <message>
        <source>At the display time, keep the card back while the desktop says you are busy</source>
        <translation>À l’heure d’affichage, garder la carte en réserve tant que le bureau est en mode «&#xa0;Ne pas déranger&#xa0;»</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>&amp;Aide en ligne</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Visiter notre site</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>Rechercher une &amp;mise à jour</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>À &amp;propos du logiciel</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>Faire un &amp;don</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Afficher</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Remind Me &amp;Later</source>
        <translation>Me le rappeler &amp;plus tard</translation>
    </message>
    <message>
        <source>Please Enter Correct Date !</source>
        <translation>Veuillez saisir une date correcte&#x202f;!</translation>
    </message>
    <message>
        <source>Are You Sure You Want To Quit Tarvelle?</source>
        <translation>Voulez-vous vraiment quitter Tarvelle&#x202f;?</translation>
    </message>
    <message>
        <source>Talk about your cards with friends on the Quellmoor discussion board: click here to visit us!</source>
        <translation>Parlez de vos cartes entre amis sur le forum Quellmoor&#xa0;: cliquez ici pour nous rendre visite&#x202f;!</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>Mettez ce logiciel aux couleurs de votre site&#xa0;: plus de fidélité, plus de visites. Placez ici le nom &amp; le lien de votre site. Détails dans «&#xa0;Aide&#xa0;». Cliquez ici pour en savoir plus sur le co-marquage.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Travaillez de chez vous&#x202f;! Lancez votre activité sur Internet et gagnez de l’argent en ligne. Ce logiciel entièrement aux couleurs de votre site&#xa0;: cliquez ici pour en savoir plus.</translation>
    </message>
</context>
<context>
    <name>app::Program</name>
    <message>
        <source>Application is already running</source>
        <translation>L’application est déjà en cours d’exécution</translation>
    </message>
</context>
<context>
    <name>app::SettingsPanel</name>
    <message>
        <source>Cartomancy Card Settings</source>
        <translation>Paramètres de la carte du jour</translation>
    </message>
    <message>
        <source>Let Tarvelle  show your Lucky Cartomancy Card for the Day! Set the time and other display settings here.</source>
        <translation>Laissez Tarvelle vous montrer votre carte porte-bonheur du jour&#x202f;! Réglez ici l’heure et le mode d’affichage.</translation>
    </message>
    <message>
        <source>Choose Display Time</source>
        <translation>Heure d’affichage</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>Minute</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>Seconde</translation>
    </message>
    <message>
        <source>Choose Display Mode</source>
        <translation>Mode d’affichage</translation>
    </message>
    <message>
        <source>Run at start-up</source>
        <translation>Lancer au démarrage</translation>
    </message>
    <message>
        <source>Start at system tray</source>
        <translation>Démarrer réduit</translation>
    </message>
    <message>
        <source>Don&apos;t run at start-up</source>
        <translation>Lancement manuel</translation>
    </message>
    <message>
        <source>Show &amp;Cartomancy Card</source>
        <translation>Afficher la &amp;carte du jour</translation>
    </message>
</context>
<context>
    <name>app::WindowPresence</name>
    <message>
        <source>Recent – today&apos;s card is waiting</source>
        <translation>Récent – la carte du jour vous attend</translation>
    </message>
    <message>
        <source>Recent</source>
        <translation>Récent</translation>
    </message>
</context>
<context>
    <name>dialogs::AboutDialog</name>
    <message>
        <source>Tarvelle is a daily divination technique based on playing cards. This software displays a card for the day and explains the keywords and meaning. This software can be used as a reference point to start your day.</source>
        <translation>Tarvelle est une technique de divination quotidienne fondée sur les cartes à jouer. Ce logiciel affiche une carte pour la journée et en explique les mots-clés et la signification. Il peut vous servir de repère pour bien commencer la journée.</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <translation>Cliquez ici pour visiter %1</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>Travaillez de chez vous&#x202f;! Lancez votre activité sur Internet et gagnez de l’argent en ligne. Obtenez ce logiciel entièrement aux couleurs de votre site.</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>Cliquez ici pour en savoir plus</translation>
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
        <translation>Cliquez ici pour visiter %1</translation>
    </message>
    <message>
        <source>Quellmoor Softwares, such as this can be created and maintained only with your support. The best way to support Quellmoor is to visit Quellmoor regularly and take part in the discussions and other activities on the board.</source>
        <translation>Des logiciels Quellmoor comme celui-ci ne peuvent être créés et entretenus qu’avec votre soutien. La meilleure façon de soutenir Quellmoor est de le visiter régulièrement et de participer aux discussions et aux autres activités du forum.</translation>
    </message>
    <message>
        <source>Visit Quellmoor regularly. Support Quellmoor by taking part in the discussions and other activities. These softwares cannot be supported and maintained, without you regularly visiting Quellmoor</source>
        <translation>Visitez Quellmoor régulièrement. Soutenez Quellmoor en participant aux discussions et aux autres activités. Sans vos visites régulières sur Quellmoor, ces logiciels ne peuvent être ni suivis ni entretenus.</translation>
    </message>
    <message>
        <source>Quellmoor is a FREE online discussion forum for all things mystic. To help Quellmoor develop and maintain this software visit Quellmoor regularly.</source>
        <translation>Quellmoor est un forum de discussion en ligne GRATUIT consacré à l’ésotérisme sous toutes ses formes. Pour aider Quellmoor à développer et entretenir ce logiciel, visitez Quellmoor régulièrement.</translation>
    </message>
    <message>
        <source>Quellmoor needs your help. All you need to do is visit Quellmoor regularly and take part in the various discussions and activites to help us maintain and develop more Quellmoor Softwares.</source>
        <translation>Quellmoor a besoin de vous. Il vous suffit de visiter Quellmoor régulièrement et de participer aux discussions et aux activités pour nous aider à entretenir nos logiciels Quellmoor et à en créer d’autres.</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>Recommandez-nous à un ami</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>Recommander &amp;maintenant</translation>
    </message>
    <message>
        <source>Download Quellmoor Softwares</source>
        <translation>Télécharger les logiciels Quellmoor</translation>
    </message>
    <message>
        <source>If you have enjoyed this software you will surely be interested in our other Quellmoor Softwares. We make programs for astrology and horoscopes, psychic readings, tarot spreads, numerology and many other corners of the occult, each made to be as welcoming as this one.

All of them are simple and easy to use, fun and informative. Try them for yourself, and share what you discover with your friends and family.</source>
        <translation>Si ce logiciel vous a plu, nos autres logiciels Quellmoor vous intéresseront sûrement. Nous créons des programmes d’astrologie et d’horoscopes, de voyance, de tirages de tarot, de numérologie et de bien d’autres domaines de l’occulte, tous aussi accueillants que celui-ci.

Tous sont simples, faciles à utiliser, amusants et instructifs. Essayez-les vous-même, et partagez vos découvertes avec vos amis et votre famille.</translation>
    </message>
    <message>
        <source>Click Here To Visit Quellmoor Softwares</source>
        <translation>Découvrez les logiciels Quellmoor</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>L’adresse e-mail ne peut pas contenir d’espace</translation>
    </message>
</context>
<context>
    <name>rules::PanelChoices</name>
    <message>
        <source>Error %1 opening key<byte value="xd"/>
%2</source>
        <extracomment>%1 is the error&apos;s number, %2 the system&apos;s words for it</extracomment>
        <translation>Erreur %1 à l’ouverture de la clé<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>Error %1 setting key<byte value="xd"/>
%2</source>
        <translation>Erreur %1 à l’écriture de la clé<byte value="xd"/>
%2</translation>
    </message>
</context>
</TS>
