<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>CardName</name>
    <message>
        <source>Ace</source>
        <extracomment>Rank of a playing card, in &quot;%1 Of %2&quot;</extracomment>
        <translation>As</translation>
    </message>
    <message>
        <source>Two</source>
        <translation>Dos</translation>
    </message>
    <message>
        <source>Three</source>
        <translation>Tres</translation>
    </message>
    <message>
        <source>Four</source>
        <translation>Cuatro</translation>
    </message>
    <message>
        <source>Five</source>
        <translation>Cinco</translation>
    </message>
    <message>
        <source>Six</source>
        <translation>Seis</translation>
    </message>
    <message>
        <source>Seven</source>
        <translation>Siete</translation>
    </message>
    <message>
        <source>Eight</source>
        <translation>Ocho</translation>
    </message>
    <message>
        <source>Nine</source>
        <translation>Nueve</translation>
    </message>
    <message>
        <source>Ten</source>
        <translation>Diez</translation>
    </message>
    <message>
        <source>King</source>
        <translation>Rey</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>Reina</translation>
    </message>
    <message>
        <source>Knights</source>
        <extracomment>The lowest court card (the Jack), in &quot;%1 Of %2&quot;</extracomment>
        <translation>Jota</translation>
    </message>
    <message>
        <source>Clubs</source>
        <extracomment>Suit of a playing card, in &quot;%1 Of %2&quot;</extracomment>
        <translation>tréboles</translation>
    </message>
    <message>
        <source>Diamond</source>
        <translation>diamantes</translation>
    </message>
    <message>
        <source>Hearts</source>
        <translation>corazones</translation>
    </message>
    <message>
        <source>Spades</source>
        <translation>picas</translation>
    </message>
    <message>
        <source>the spring season</source>
        <extracomment>Season of a card&apos;s favourable period, in &quot;%1 week of %2.&quot;</extracomment>
        <translation>de la primavera</translation>
    </message>
    <message>
        <source>fall</source>
        <translation>del otoño</translation>
    </message>
    <message>
        <source>the summer season</source>
        <translation>del verano</translation>
    </message>
    <message>
        <source>the winter season</source>
        <translation>del invierno</translation>
    </message>
    <message>
        <source>1st</source>
        <extracomment>Week number of a card&apos;s favourable period, in &quot;%1 week of %2.&quot;</extracomment>
        <translation>Primera</translation>
    </message>
    <message>
        <source>2nd</source>
        <translation>Segunda</translation>
    </message>
    <message>
        <source>3rd</source>
        <translation>Tercera</translation>
    </message>
    <message>
        <source>4th</source>
        <translation>Cuarta</translation>
    </message>
    <message>
        <source>5th</source>
        <translation>Quinta</translation>
    </message>
    <message>
        <source>6th</source>
        <translation>Sexta</translation>
    </message>
    <message>
        <source>7th</source>
        <translation>Séptima</translation>
    </message>
    <message>
        <source>8th</source>
        <translation>Octava</translation>
    </message>
    <message>
        <source>9th</source>
        <translation>Novena</translation>
    </message>
    <message>
        <source>10th</source>
        <translation>Décima</translation>
    </message>
    <message>
        <source>11th</source>
        <translation>Undécima</translation>
    </message>
    <message>
        <source>12th</source>
        <translation>Duodécima</translation>
    </message>
    <message>
        <source>13th</source>
        <translation>Decimotercera</translation>
    </message>
    <message>
        <source>%1 Of %2</source>
        <extracomment>A playing card&apos;s name: %1 is its rank, %2 its suit</extracomment>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>%1 week of %2.</source>
        <extracomment>A card&apos;s favourable time of the year: %1 is the week&apos;s number, %2 the season</extracomment>
        <translation>%1 semana %2.</translation>
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
        <translation>Q</translation>
    </message>
    <message>
        <source>Kn</source>
        <translation>J</translation>
    </message>
</context>
<context>
    <name>CardReading</name>
    <message>
        <source>A single club on a white field is the simplest of starts, and that is its point. The Ace of Clubs puts the first push behind something new, whether a plan sketched long ago or a skill you keep promising yourself. Ideas arrive quickly when this card turns up, and the nerve to try them arrives with them. Luck with money belongs to it as well, the kind of luck that follows honest effort. Pick one practical step and take it while the spark is fresh. Things begun under this Ace tend to grow fast, which makes the choice of what to begin worth a minute&apos;s thought: what would you be glad to be tending a year from now?</source>
        <extracomment>Ace of Clubs: reading</extracomment>
        <translation>Un solo trébol sobre fondo blanco: no cabe comienzo más sencillo, y ahí está la gracia. El as de tréboles da el primer empujón a algo nuevo, ya sea un plan que esbozaste hace tiempo o esa habilidad que siempre te prometes aprender. Con esta carta las ideas llegan deprisa, y con ellas el valor para probarlas. También le pertenece la suerte con el dinero, la que acompaña al esfuerzo honrado. Elige un paso práctico y dalo mientras la chispa siga viva. Lo que nace bajo este as suele crecer rápido, así que merece la pena pensar un minuto qué empezar: ¿qué te alegraría estar cuidando dentro de un año?</translation>
    </message>
    <message>
        <source>New beginnings, inspiration, energy and opportunity.</source>
        <extracomment>Ace of Clubs: keywords</extracomment>
        <translation>Nuevos comienzos, inspiración, energía y oportunidad.</translation>
    </message>
    <message>
        <source>What first step toward something new could you take before the spark fades?</source>
        <extracomment>Ace of Clubs: journal question</extracomment>
        <translation>¿Qué primer paso hacia algo nuevo podrías dar antes de que se apague la chispa?</translation>
    </message>
    <message>
        <source>Help is nearer than it looks when the Two of Clubs appears. Who holds the piece your plan is missing? Very likely someone within easy reach, perhaps a neighbour with handy skills, and you probably hold one of theirs. Show them the idea while it is still rough and let them change it. A choice between two offers, or between two ways of doing one task, can also come up. The better option is usually the one that keeps a good working friendship sound. Two people who trust each other finish a job in half the time and enjoy the doing twice as much.</source>
        <extracomment>Two of Clubs: reading</extracomment>
        <translation>Cuando sale el dos de tréboles, la ayuda está más cerca de lo que parece. ¿Quién tiene la pieza que le falta a tu plan? Seguramente alguien a mano, quizá un vecino mañoso, y es probable que tú tengas una de las suyas. Enséñale la idea cuando aún esté en bruto y deja que la cambie. También puede surgir una elección entre dos ofertas, o entre dos maneras de hacer una misma tarea. La mejor opción suele ser la que mantiene sana una buena relación de trabajo. Dos personas que se fían entre sí acaban la faena en la mitad del tiempo y la disfrutan el doble.</translation>
    </message>
    <message>
        <source>Partnership, cooperation, choice, trust and shared effort.</source>
        <extracomment>Two of Clubs: keywords</extracomment>
        <translation>Asociación, cooperación, elección, confianza y esfuerzo compartido.</translation>
    </message>
    <message>
        <source>Whose skills would fill the gap in your plan?</source>
        <extracomment>Two of Clubs: journal question</extracomment>
        <translation>¿Quién podría aportar lo que le falta a tu plan?</translation>
    </message>
    <message>
        <source>Roads open under the Three of Clubs, and one of them leads back to something that failed the first time. This is the card of the second attempt: the venture that needed a false start before it could work, the plan that finds a better route once the obvious one is blocked. Traditional readers put it plainly and promised a second marriage happier than the first. Read more generously, the card says that what you try again, wiser for the first try, tends to go further, though it asks for some bending. A route you did not choose can prove the quicker one, and a day somewhere unfamiliar shows how much room lies beyond your usual circuit. Ambition suits you, so long as it travels light. Which door closed on you, and what has opened beside it since?</source>
        <extracomment>Three of Clubs: reading</extracomment>
        <translation>Bajo el tres de tréboles se abren caminos, y uno de ellos lleva de vuelta a algo que falló la primera vez. Es la carta del segundo intento: la empresa que necesitó un tropiezo antes de funcionar, el plan que encuentra mejor ruta cuando la obvia está cortada. Los cartomantes de antaño lo decían sin rodeos y prometían un segundo matrimonio más feliz que el primero. Leída con más generosidad, la carta dice que lo que vuelves a intentar, con la lección aprendida, suele llegar más lejos, aunque pide cierta flexibilidad. Un camino que no elegiste puede resultar el más rápido, y un día en un lugar desconocido te muestra cuánto espacio hay más allá de tu recorrido de siempre. La ambición te sienta bien, siempre que viaje ligera. ¿Qué puerta se te cerró, y qué se ha abierto a su lado desde entonces?</translation>
    </message>
    <message>
        <source>Change, flexibility, development, traveling and ambitious</source>
        <extracomment>Three of Clubs: keywords</extracomment>
        <translation>Cambio, flexibilidad, progreso, viajes y ambición.</translation>
    </message>
    <message>
        <source>What are you ready to try a second time?</source>
        <extracomment>Three of Clubs: journal question</extracomment>
        <translation>¿Qué te atreves a intentar por segunda vez?</translation>
    </message>
    <message>
        <source>The Four of Clubs brings rest well earned and friends who stand by you. Whatever you have built lately, enjoy it as it is instead of adding another floor. An hour with nothing planned does more good than you would expect, and a laugh shared with the people on your side does as much. Let somebody look after you for once, and accept the lift home or the cup of tea without protest. Contentment of this kind is the mortar of every lasting enterprise. Even mortar needs a day left alone to set.</source>
        <extracomment>Four of Clubs: reading</extracomment>
        <translation>El cuatro de tréboles trae un descanso bien ganado y amigos que te apoyan. Lo que hayas construido últimamente, disfrútalo tal como está en lugar de añadirle otro piso. Una hora sin planes hace más bien del que imaginas, y unas risas con los tuyos, otro tanto. Deja por una vez que alguien te cuide, y acepta sin protestar que te lleven a casa o te preparen un té. Esta clase de dicha es la argamasa de toda empresa duradera. Y hasta la argamasa necesita un día de reposo para fraguar.</translation>
    </message>
    <message>
        <source>Happiness, joy, rest, warm and supportive</source>
        <extracomment>Four of Clubs: keywords</extracomment>
        <translation>Dicha, alegría, descanso, calidez y apoyo.</translation>
    </message>
    <message>
        <source>Who looked after you, and how did it feel to let them?</source>
        <extracomment>Four of Clubs: journal question</extracomment>
        <translation>¿Quién te cuidó y qué sentiste al dejarte cuidar?</translation>
    </message>
    <message>
        <source>Lively company arrives with the Five of Clubs, and some friction comes with it. Someone new can join your circle, and at first their ideas might seem to clash with yours. Treat the argument as a whetstone: two keen minds pressed together often produce the best edge. Today&apos;s rival could be next month&apos;s ally if you listen longer than you talk and give credit freely. Alliances formed in honest debate tend to last, and they bring help long after the quarrel is forgotten. Many lasting friendships began as an argument between strangers.</source>
        <extracomment>Five of Clubs: reading</extracomment>
        <translation>Con el cinco de tréboles llega compañía animada, y con ella algo de roce. Alguien nuevo puede entrar en tu círculo, y al principio sus ideas quizá choquen con las tuyas. Toma la discusión como una piedra de afilar: dos mentes agudas, al rozarse, suelen sacar el mejor filo. El rival de hoy puede ser el aliado del mes que viene si escuchas más de lo que hablas y reconoces el mérito ajeno. Las alianzas nacidas de un debate honesto suelen durar, y siguen ayudando mucho después de olvidada la disputa. Muchas amistades duraderas empezaron como una discusión entre desconocidos.</translation>
    </message>
    <message>
        <source>New friends, healthy rivalry, debate, alliance and growth.</source>
        <extracomment>Five of Clubs: keywords</extracomment>
        <translation>Nuevos amigos, rivalidad sana, debate, alianza y crecimiento.</translation>
    </message>
    <message>
        <source>Whose disagreement taught you something you would not have learnt alone?</source>
        <extracomment>Five of Clubs: journal question</extracomment>
        <translation>¿Qué desacuerdo te enseñó algo que no habrías aprendido a solas?</translation>
    </message>
    <message>
        <source>Recognition is the gift of the Six of Clubs. Something you did without fuss, perhaps months ago, is about to be noticed, and it returns to you as praise or as a helping hand from someone who remembers a kindness of yours. Accept it with grace; modesty is charming, but refusing help only slows you down. Then pass some of the luck along. A word of encouragement from you might be exactly what a friend needs to get a stalled project moving. Success in this suit grows by being shared, like a fire that burns better for every log laid on it.</source>
        <extracomment>Six of Clubs: reading</extracomment>
        <translation>El reconocimiento es el regalo del seis de tréboles. Algo que hiciste sin alardes, quizá hace meses, está a punto de notarse, y vuelve a ti como un elogio o como la mano tendida de alguien que recuerda un favor tuyo. Acéptalo con elegancia; la modestia tiene su encanto, pero rechazar ayuda solo te frena. Luego pasa a otros un poco de esa suerte. Una palabra de ánimo tuya puede ser justo lo que un amigo necesita para desatascar un proyecto. En este palo el éxito crece al compartirse, como un fuego que arde mejor con cada leño que se le echa.</translation>
    </message>
    <message>
        <source>Recognition, success, praise, helping hands, gratitude and generosity.</source>
        <extracomment>Six of Clubs: keywords</extracomment>
        <translation>Reconocimiento, éxito, elogios, manos amigas, gratitud y generosidad.</translation>
    </message>
    <message>
        <source>Which piece of your work deserves a word of praise, even from yourself?</source>
        <extracomment>Six of Clubs: journal question</extracomment>
        <translation>¿Qué parte de tu trabajo merece un elogio, aunque sea tuyo?</translation>
    </message>
    <message>
        <source>Hold your ground. The Seven of Clubs finds you pressed from more than one side, by a deadline crowding in or by someone questioning a decision you made for good reasons. Stay courteous and yield nothing: experience counts for more in a dispute like this than the volume of anyone&apos;s voice. Petty irritations will try to drag you from the main task, so pick the two or three things that truly matter and defend those. Everything else can wait. Tarot&apos;s matching card shows a man on a hilltop fending off six staves from below, outnumbered and still holding the better position.</source>
        <extracomment>Seven of Clubs: reading</extracomment>
        <translation>Mantente firme. El siete de tréboles llega cuando te aprietan por más de un lado: un plazo que se echa encima o alguien que cuestiona una decisión que tomaste con buenas razones. Sé cortés y no cedas nada: en una disputa así pesa más la experiencia que alzar la voz. Las pequeñas molestias intentarán apartarte de lo principal, así que elige las dos o tres cosas que de verdad importan y defiéndelas. Todo lo demás puede esperar. Su carta gemela del tarot muestra a un hombre en lo alto de una colina que frena seis bastos alzados desde abajo: en inferioridad, pero en mejor posición.</translation>
    </message>
    <message>
        <source>Perseverance, courage, defence, priorities and steady effort.</source>
        <extracomment>Seven of Clubs: keywords</extracomment>
        <translation>Perseverancia, valor, defensa, prioridades y esfuerzo constante.</translation>
    </message>
    <message>
        <source>Which two or three things were worth defending?</source>
        <extracomment>Seven of Clubs: journal question</extracomment>
        <translation>¿Qué dos o tres cosas valió la pena defender?</translation>
    </message>
    <message>
        <source>Things speed up under the Eight of Clubs. Messages arrive and plans gather pace, and matters you had been waiting on start moving together. Your mind is sharp and your energy high, which is just what such a pace demands. Keep one hand near the brake all the same: speed makes it easy to sign before reading or to promise more than you can deliver. Narrow your attention to what must be done today, and check each step before taking the next. Think of traffic on a dual carriageway: fast, and safe only while everyone keeps to their lane.</source>
        <extracomment>Eight of Clubs: reading</extracomment>
        <translation>Con el ocho de tréboles todo se acelera. Llegan mensajes, los planes ganan velocidad y asuntos que esperabas empiezan a moverse a la vez. Tienes la mente despierta y la energía alta, justo lo que exige este ritmo. Aun así, no alejes la mano del freno: con tanta prisa es fácil firmar sin leer o prometer más de lo que puedes cumplir. Centra la atención en lo que hay que hacer hoy y revisa cada paso antes de dar el siguiente. Piensa en el tráfico de una autovía: rápido, y seguro solo mientras cada cual va por su carril.</translation>
    </message>
    <message>
        <source>Energetic, active, powerful, sharp, cautious and focused</source>
        <extracomment>Eight of Clubs: keywords</extracomment>
        <translation>Energía, actividad, fuerza, agudeza, cautela y atención.</translation>
    </message>
    <message>
        <source>Where did speed help you, and where did it nearly trip you up?</source>
        <extracomment>Eight of Clubs: journal question</extracomment>
        <translation>¿Dónde te ayudó la rapidez y dónde estuvo a punto de hacerte tropezar?</translation>
    </message>
    <message>
        <source>The Nine of Clubs comes late in a long job, when the finish is near and many people give up. If you feel worn down, take that as a measure of how far you have come rather than of how far is left. Guard your strength; a decent meal and a full night&apos;s sleep matter more now than they seem. Weariness makes a mild disagreement sound like a serious one; go gently with those around you, and a calm word now will spare a long apology later. Distance runners say the race is decided in its last miles, by whoever kept something in reserve.</source>
        <extracomment>Nine of Clubs: reading</extracomment>
        <translation>El nueve de tréboles llega al final de un trabajo largo, cuando la meta está cerca y muchos abandonan. Si el cansancio te pesa, tómalo como medida de cuánto has avanzado, no de cuánto te queda. Cuida tus fuerzas; una buena comida y dormir toda la noche importan ahora más de lo que parece. El cansancio hace que un pequeño desacuerdo suene a algo grave; trata con suavidad a quienes te rodean, y una palabra serena ahora te ahorrará una larga disculpa después. Los corredores de fondo dicen que la carrera se decide en los últimos kilómetros, y la gana quien supo guardar fuerzas.</translation>
    </message>
    <message>
        <source>Resilience, endurance, patience and near completion.</source>
        <extracomment>Nine of Clubs: keywords</extracomment>
        <translation>Entereza, aguante, paciencia y meta a la vista.</translation>
    </message>
    <message>
        <source>What will carry you through the last stretch?</source>
        <extracomment>Nine of Clubs: journal question</extracomment>
        <translation>¿Qué te sostendrá en el último tramo?</translation>
    </message>
    <message>
        <source>A long labour comes to an end. The Ten of Clubs marks the close of a project or of a whole year of effort, and the weight you have carried can soon be set down. Before hurrying on to whatever comes after, look back at what you achieved and at who helped you achieve it. If you took on more than your share along the way, give the extra back. Rewards often follow completion among the clubs, a bonus perhaps or a fresh offer. Completion works like a woodpile: hard work to gather, and warmth for a long while after.</source>
        <extracomment>Ten of Clubs: reading</extracomment>
        <translation>Un largo esfuerzo llega a su fin. El diez de tréboles marca el cierre de un proyecto o de todo un año de trabajo, y pronto podrás dejar la carga que has llevado. Antes de correr hacia lo que venga, mira atrás: lo que has logrado y quién te ayudó a lograrlo. Si por el camino asumiste más de lo que te tocaba, devuelve lo que sobra. Entre los tréboles, la recompensa suele seguir al trabajo terminado: quizá una gratificación o una nueva oferta. Terminar algo es como una pila de leña: cuesta reunirla y da calor durante mucho tiempo.</translation>
    </message>
    <message>
        <source>Completion, responsibility, reward, relief and fresh offers.</source>
        <extracomment>Ten of Clubs: keywords</extracomment>
        <translation>Culminación, responsabilidad, recompensa, alivio y nuevas ofertas.</translation>
    </message>
    <message>
        <source>What can you set down now that it is finished?</source>
        <extracomment>Ten of Clubs: journal question</extracomment>
        <translation>¿Qué puedes soltar ahora que está terminado?</translation>
    </message>
    <message>
        <source>Think of the person who first showed you how a thing is really done, and you have the King of Clubs. He started with little and kept every promise he made on the way up. He speaks plainly, stands by his people when things go wrong and expects loyalty in return. His praise is seldom given and worth having, and his criticism arrives without decoration. Someone of his stamp could offer help today; if not, go and find one, because a word from a person who has done the job many times saves weeks of guessing. He leads from the front, and his crew follows because he was the first to pick up a shovel.</source>
        <extracomment>King of Clubs: reading</extracomment>
        <translation>Piensa en la persona que te enseñó por primera vez cómo se hace de verdad una cosa, y tendrás al rey de tréboles. Empezó con poco y cumplió cada promesa que hizo mientras subía. Habla claro, defiende a los suyos cuando las cosas van mal y espera lealtad a cambio. Sus elogios son escasos y valen la pena, y sus críticas llegan sin adornos. Alguien de esa madera podría ofrecerte ayuda hoy; si no, búscalo tú, porque un consejo de quien ha hecho el trabajo muchas veces ahorra semanas de tanteos. Predica con el ejemplo, y su cuadrilla lo sigue porque fue el primero en empuñar la pala.</translation>
    </message>
    <message>
        <source>Leadership, loyalty, experience, honesty, mentorship and example.</source>
        <extracomment>King of Clubs: keywords</extracomment>
        <translation>Liderazgo, lealtad, experiencia, honradez, guía y ejemplo.</translation>
    </message>
    <message>
        <source>Who taught you how a thing is properly done?</source>
        <extracomment>King of Clubs: journal question</extracomment>
        <translation>¿Quién te enseñó a hacer las cosas como es debido?</translation>
    </message>
    <message>
        <source>Every club and every street has its Queen of Clubs, the woman who knows everybody and somehow has a spare key or a folding table when one is needed. She runs things without raising her voice, and people enjoy being organized by her. Her help is yours for the asking, and being asked pleases her. Her method is no secret: a written list, and tasks handed out with a smile rather than barked as orders. Confidence worn lightly opens more doors than any title.</source>
        <extracomment>Queen of Clubs: reading</extracomment>
        <translation>Cada barrio tiene su reina de tréboles: la mujer que conoce a todo el mundo y que, quién sabe cómo, tiene una llave de repuesto o una mesa plegable justo cuando hace falta. Lo organiza todo sin alzar la voz, y a la gente le encanta que ella la organice. Su ayuda es tuya con solo pedirla, y pedírsela la halaga. Su método no es ningún secreto: una lista escrita y tareas repartidas con una sonrisa, no ladradas como órdenes. La seguridad llevada con ligereza abre más puertas que cualquier título.</translation>
    </message>
    <message>
        <source>Confidence, warmth, organization, generosity and charm.</source>
        <extracomment>Queen of Clubs: keywords</extracomment>
        <translation>Seguridad, calidez, organización, generosidad y encanto.</translation>
    </message>
    <message>
        <source>What went better because somebody took charge of it with a smile?</source>
        <extracomment>Queen of Clubs: journal question</extracomment>
        <translation>¿Qué salió mejor porque alguien se encargó de ello con una sonrisa?</translation>
    </message>
    <message>
        <source>Moving day shows who your friends are, and the Knight of Clubs arrives in work gloves and stays until the last box is carried in. He volunteers first and complains last, and his energy is catching. Let some of it rub off: restart whatever has stalled, or say yes to an outing you would normally turn down. Finish what you begin before chasing the next idea, though; his weakness is a shed full of half-built things. If a loyal helper has carried you lately, thank them properly, face to face.</source>
        <extracomment>Knights of Clubs: reading</extracomment>
        <translation>En una mudanza se ve quiénes son tus amigos, y la jota de tréboles llega con guantes de trabajo y se queda hasta que entra la última caja. Nadie se ofrece antes ni se queja menos, y su energía se contagia. Deja que se te pegue un poco: reactiva lo que se haya estancado o di que sí a una salida que sueles rechazar. Eso sí, termina lo que empiezas antes de ir tras otra idea; su punto débil es un cobertizo lleno de cosas a medio hacer. Si un ayudante leal te ha sostenido estos días, dale las gracias como es debido, cara a cara.</translation>
    </message>
    <message>
        <source>Enthusiasm, loyalty, adventure, helpfulness and quick starts.</source>
        <extracomment>Knights of Clubs: keywords</extracomment>
        <translation>Entusiasmo, lealtad, aventura, ganas de ayudar y arranques rápidos.</translation>
    </message>
    <message>
        <source>Which half-finished thing deserves your enthusiasm before a new one does?</source>
        <extracomment>Knights of Clubs: journal question</extracomment>
        <translation>¿Qué cosa a medio hacer merece tu entusiasmo antes que una nueva?</translation>
    </message>
    <message>
        <source>Something of value is put in your hands by the Ace of Diamonds. Perhaps a payment, perhaps an idea for earning; what matters most is what you do next. Part of it might go aside for later and part into a skill; mending a tool you rely on every day is money well spent too. Old fortune-tellers read this Ace as a letter or a ring, a promise sealed with something precious, so keep an eye on the post. Even a modest sum, handled wisely, can be the first stone of real security.</source>
        <extracomment>Ace of Diamond: reading</extracomment>
        <translation>El as de diamantes pone en tus manos algo de valor. Quizá un pago, quizá una idea para ganar dinero; lo que más importa es lo que hagas después. Una parte puede apartarse para luego y otra dedicarse a aprender algo; arreglar una herramienta que usas a diario también es dinero bien gastado. Los adivinos de antaño leían este as como una misiva o un anillo, una promesa sellada con algo precioso, así que vigila el buzón. Hasta una suma modesta, bien administrada, puede ser la primera piedra de una seguridad real.</translation>
    </message>
    <message>
        <source>Prosperity, new income, opportunity, gifts and good news.</source>
        <extracomment>Ace of Diamond: keywords</extracomment>
        <translation>Prosperidad, nuevos ingresos, oportunidad, regalos y buenas noticias.</translation>
    </message>
    <message>
        <source>What of value came into your hands, and where will you put it?</source>
        <extracomment>Ace of Diamond: journal question</extracomment>
        <translation>¿Qué cosa de valor llegó a tus manos y a qué la vas a dedicar?</translation>
    </message>
    <message>
        <source>Juggling is the skill the Two of Diamonds asks for. Bills and claims on one purse compete for your attention, and you can keep them all in the air once you find a rhythm. Write down what comes in and what goes out, and let the figures calm your nerves. Swaps and agreements between two parties go well today. A bargain struck now is likely to be fair, provided you say plainly what you want and listen to what the other side needs in return. Bend where you can, and stand fast only on the one point that matters most.</source>
        <extracomment>Two of Diamond: reading</extracomment>
        <translation>Hacer malabares es la habilidad que pide el dos de diamantes. Facturas y gastos que tiran de un mismo bolsillo compiten por tu atención, y puedes mantenerlos todos en el aire en cuanto encuentres el ritmo. Apunta lo que entra y lo que sale, y deja que las cifras te calmen los nervios. Hoy van bien los intercambios y los acuerdos entre dos partes. Un trato cerrado ahora probablemente será justo, siempre que digas con claridad lo que quieres y escuches lo que la otra parte necesita a cambio. Cede donde puedas y mantente firme solo en lo que más importa.</translation>
    </message>
    <message>
        <source>Balance, juggling, flexibility, fair exchange and planning.</source>
        <extracomment>Two of Diamond: keywords</extracomment>
        <translation>Equilibrio, malabares, flexibilidad, intercambio justo y planificación.</translation>
    </message>
    <message>
        <source>Which two demands are you balancing, and which one matters more?</source>
        <extracomment>Two of Diamond: journal question</extracomment>
        <translation>¿Qué dos exigencias estás equilibrando y cuál importa más?</translation>
    </message>
    <message>
        <source>Skilled hands are honoured by the Three of Diamonds. Something you make or mend with care is worth more than its price tag, and people are beginning to notice. Team up with someone whose talents fill the gaps in yours. There is a caution here as well: agreements made in haste, especially over money, can sour into quarrels, even into a dispute that ends at a solicitor&apos;s desk. Put the terms in writing and read every clause; a debt left unsettled breeds resentment. Careful work and a bargain written out clearly earn their own fair reward.</source>
        <extracomment>Three of Diamond: reading</extracomment>
        <translation>El tres de diamantes honra las manos hábiles. Lo que haces o arreglas con esmero vale más que lo que marca su etiqueta, y la gente empieza a notarlo. Únete a alguien cuyo talento complete el tuyo. Aquí también hay una advertencia: los acuerdos hechos con prisa, sobre todo si hay dinero de por medio, pueden agriarse y acabar en riñas, incluso en un pleito en el despacho de un abogado. Pon las condiciones por escrito y lee cada cláusula; una deuda sin saldar cría rencor. El trabajo cuidadoso y un trato bien redactado obtienen su justa recompensa.</translation>
    </message>
    <message>
        <source>Craftsmanship, teamwork, agreements, caution and fair reward.</source>
        <extracomment>Three of Diamond: keywords</extracomment>
        <translation>Oficio, trabajo en equipo, acuerdos, cautela y justa recompensa.</translation>
    </message>
    <message>
        <source>What have you made or mended with care lately?</source>
        <extracomment>Three of Diamond: journal question</extracomment>
        <translation>¿Qué has hecho o arreglado con esmero últimamente?</translation>
    </message>
    <message>
        <source>Under your feet the Four of Diamonds lays a solid floor. Your finances are plain rather than glamorous, and sounder than your worries suggest; some discipline now will make them stronger still. Before buying anything new, see what you already own; much of it can be repaired or put to better use. Be wary, though, of gripping so tightly that security turns into a fear of spending, for a purse that never opens costs friendships and chances alike. Saving works best with a purpose in mind. Money kept only to be counted is like a toolbox nobody opens.</source>
        <extracomment>Four of Diamond: reading</extracomment>
        <translation>El cuatro de diamantes pone bajo tus pies un suelo firme. Tus finanzas son más sencillas que brillantes, y más sólidas de lo que sugieren tus preocupaciones; un poco de disciplina ahora las hará aún más fuertes. Antes de comprar nada nuevo, mira lo que ya tienes: mucho puede repararse o aprovecharse mejor. Cuidado, eso sí, con apretar tanto que la seguridad se vuelva miedo a gastar, porque un monedero que nunca se abre cuesta amistades y oportunidades por igual. Ahorrar funciona mejor con un propósito. El dinero guardado solo para contarlo es como una caja de herramientas que nadie abre.</translation>
    </message>
    <message>
        <source>Stability, security, savings and prudence.</source>
        <extracomment>Four of Diamond: keywords</extracomment>
        <translation>Estabilidad, seguridad, ahorro y prudencia.</translation>
    </message>
    <message>
        <source>What do you already own that could be put to better use?</source>
        <extracomment>Four of Diamond: journal question</extracomment>
        <translation>¿Qué tienes ya que podrías aprovechar mejor?</translation>
    </message>
    <message>
        <source>The Five of Diamonds shakes things a little. An unplanned expense or a change in income could turn up, or talk of a move to a new address. Panic only makes the sums harder. Turbulence like this often clears space for something better, as a gale strips dead wood so that new growth can come through. Ask for help if you need it; pride keeps poor accounts. Telling the right people where you stand brings support you had not known existed, and a sensible change made now can leave you on surer footing within a few months.</source>
        <extracomment>Five of Diamond: reading</extracomment>
        <translation>El cinco de diamantes sacude un poco las cosas. Puede surgir un gasto imprevisto, un cambio en los ingresos o la idea de una mudanza. El pánico solo enreda los números. Una turbulencia así suele dejar sitio a algo mejor, como el vendaval que arranca la madera muerta para que pueda brotar lo nuevo. Pide ayuda si la necesitas; el orgullo lleva mal las cuentas. Contarle a la gente adecuada tu situación te trae apoyos que no sabías que existían, y un cambio sensato hecho ahora puede dejarte en terreno más firme en pocos meses.</translation>
    </message>
    <message>
        <source>Change, unexpected expense, moving, adaptability and support.</source>
        <extracomment>Five of Diamond: keywords</extracomment>
        <translation>Cambio, gasto imprevisto, mudanza, adaptación y apoyo.</translation>
    </message>
    <message>
        <source>Who could help you with the cost or change that turned up?</source>
        <extracomment>Five of Diamond: journal question</extracomment>
        <translation>¿Quién podría ayudarte con el gasto o el cambio que ha surgido?</translation>
    </message>
    <message>
        <source>Money and favours flow both ways when the Six of Diamonds turns up. A sum you had forgotten could be repaid to you, or the chance could come to help someone who is struggling. Give without keeping score, and receive without blushing. Fairness is at the heart of it, so look over your own dealings for anything left unsettled. An old debt cleared today, in either direction, lightens the mind as well as the purse. The six stones sit in two even columns, three a side, like goods weighed on an honest scale.</source>
        <extracomment>Six of Diamond: reading</extracomment>
        <translation>Con el seis de diamantes, el dinero y los favores circulan en ambos sentidos. Puede que te devuelvan una suma que habías olvidado, o que tengas ocasión de ayudar a alguien que lo está pasando mal. Da sin llevar la cuenta y recibe sin sonrojarte. Todo gira en torno a la equidad, así que repasa tus propios tratos por si queda algo pendiente. Una vieja deuda saldada hoy, en un sentido u otro, aligera la mente tanto como el bolsillo. Los seis diamantes forman dos columnas iguales, tres a cada lado, como mercancía en una balanza honrada.</translation>
    </message>
    <message>
        <source>Generosity, fairness, giving, receiving and settled debts.</source>
        <extracomment>Six of Diamond: keywords</extracomment>
        <translation>Generosidad, equidad, dar, recibir y deudas saldadas.</translation>
    </message>
    <message>
        <source>Is there a debt, of money or of kindness, still waiting to be settled?</source>
        <extracomment>Six of Diamond: journal question</extracomment>
        <translation>¿Queda alguna deuda, de dinero o de favores, pendiente de saldar?</translation>
    </message>
    <message>
        <source>Call the Seven of Diamonds a card for gardeners. You have planted something, perhaps a savings plan or a long piece of work, and now it must be left to bear fruit. Do not dig up the seeds to see if they have sprouted. Tend what you can instead: trim a wasteful expense, or get back in touch with a useful contact who has gone silent. Leave idle talk about other people&apos;s earnings to those who enjoy it; comparing your harvest with a neighbour&apos;s only spoils the taste of yours. An old English saying puts that patience in five words: plant pears for your heirs.</source>
        <extracomment>Seven of Diamond: reading</extracomment>
        <translation>Podría decirse que el siete de diamantes es una carta de jardineros. Has plantado algo, quizá un plan de ahorro o un trabajo largo, y ahora hay que dejar que dé fruto. No desentierres las semillas para ver si han brotado. Cuida lo que puedas: recorta un gasto inútil o retoma el trato con un buen contacto que se quedó en silencio. Deja las habladurías sobre lo que ganan los demás para quien las disfrute; comparar tu cosecha con la del vecino solo le quita sabor a la tuya. Un viejo dicho inglés resume esa paciencia en cinco palabras: planta perales para tus herederos.</translation>
    </message>
    <message>
        <source>Patience, investment, growth, perseverance and harvest.</source>
        <extracomment>Seven of Diamond: keywords</extracomment>
        <translation>Paciencia, inversión, crecimiento, constancia y cosecha.</translation>
    </message>
    <message>
        <source>What have you planted that needs leaving alone to grow?</source>
        <extracomment>Seven of Diamond: journal question</extracomment>
        <translation>¿Qué has plantado que necesita que lo dejes crecer en paz?</translation>
    </message>
    <message>
        <source>Apprentices of every age are favoured by the Eight of Diamonds. Work that asks for patience and precision suits you today, and every careful hour adds to your skill and your value alike. Perhaps you are learning a new trade, or simply doing ordinary tasks a shade better than yesterday. A little extra money can come from an odd job or a sale; it will not change your life overnight, yet it confirms that you are on the right path. Mastery is built from exactly this kind of patient repetition, one careful stroke laid over another.</source>
        <extracomment>Eight of Diamond: reading</extracomment>
        <translation>El ocho de diamantes favorece a los aprendices de cualquier edad. Hoy te va bien el trabajo que pide paciencia y precisión, y cada hora de esmero suma a tu destreza y a tu valor por igual. Quizá estés aprendiendo un oficio nuevo, o simplemente haciendo las tareas de siempre un poco mejor que ayer. Puede llegar algo de dinero extra por un encargo suelto o una venta; no te cambiará la vida de la noche a la mañana, pero confirma que vas por buen camino. La maestría se construye justo así, con repetición paciente, una pincelada cuidadosa sobre otra.</translation>
    </message>
    <message>
        <source>Diligence, skill, mastery, practice and modest reward.</source>
        <extracomment>Eight of Diamond: keywords</extracomment>
        <translation>Diligencia, destreza, maestría, práctica y recompensa modesta.</translation>
    </message>
    <message>
        <source>Which skill got a little better through practice?</source>
        <extracomment>Eight of Diamond: journal question</extracomment>
        <translation>¿Qué habilidad ha mejorado un poco con la práctica?</translation>
    </message>
    <message>
        <source>The Nine of Diamonds celebrates comfort earned with your own hands. Standing on your own feet without help is an achievement, and that independence deserves to be savoured. Treat yourself to quality rather than quantity, a good meal or a well-made tool. Self-reliance does not mean doing everything alone; it means your security no longer hangs on anybody&apos;s approval. Keep your ambitions high. A person at ease in a house bought with their own effort, with the door shut against the weather, is the whole picture of this card.</source>
        <extracomment>Nine of Diamond: reading</extracomment>
        <translation>El nueve de diamantes celebra el bienestar ganado con tus propias manos. Salir adelante sin ayuda es todo un logro, y esa independencia merece saborearse. Date un capricho de calidad más que de cantidad: una buena comida o una herramienta bien hecha. Ser autosuficiente no significa hacerlo todo a solas; significa que tu seguridad ya no depende de la aprobación de nadie. Mantén altas tus ambiciones. Alguien a gusto en una casa comprada con su propio esfuerzo, con la puerta cerrada al mal tiempo, es la imagen completa de esta carta.</translation>
    </message>
    <message>
        <source>Self- reliance, self-actualization, independent, satisfied and ambitious.</source>
        <extracomment>Nine of Diamond: keywords</extracomment>
        <translation>Autosuficiencia, realización personal, independencia, satisfacción y ambición.</translation>
    </message>
    <message>
        <source>What have you earned by your own effort that you can enjoy?</source>
        <extracomment>Nine of Diamond: journal question</extracomment>
        <translation>¿Qué te has ganado con tu propio esfuerzo y puedes disfrutar?</translation>
    </message>
    <message>
        <source>Wealth that outlasts a single payday belongs to the Ten of Diamonds: a home paid off, a business handed on, savings that protect the people who count on you. News of a large purchase or a long-term plan finally coming together could reach you today. Take pleasure in it. Then give an hour to the dull part, the will or the insurance, because comfort that is well guarded can pass from one generation to the next. The story of the earning belongs to the inheritance too, and it is often the part remembered longest.</source>
        <extracomment>Ten of Diamond: reading</extracomment>
        <translation>Al diez de diamantes le pertenece la riqueza que dura más que un sueldo: una casa pagada, un negocio que se hereda, unos ahorros que protegen a quienes cuentan contigo. Hoy podrían llegarte noticias de una compra importante o de un plan a largo plazo que por fin cuaja. Disfrútalo. Luego dedica una hora a la parte aburrida, el testamento o el seguro, porque el bienestar bien protegido puede pasar de una generación a la siguiente. La historia de cómo se ganó también forma parte de la herencia, y a menudo es lo que más se recuerda.</translation>
    </message>
    <message>
        <source>Wealth, abundance, family, legacy, security and celebration.</source>
        <extracomment>Ten of Diamond: keywords</extracomment>
        <translation>Riqueza, abundancia, familia, legado, seguridad y celebración.</translation>
    </message>
    <message>
        <source>What will you hand on one day, and to whom?</source>
        <extracomment>Ten of Diamond: journal question</extracomment>
        <translation>¿Qué dejarás algún día, y a quién?</translation>
    </message>
    <message>
        <source>Shrewd, good-humoured and impossible to hurry, the King of Diamonds reads every contract twice and enjoys a good haggle. He began with a barrow, now owns the shop on the corner and still counts the till himself. He respects people who know their numbers and forgives almost anything except waste. Before you settle any money matter today, think as he would: facts first, then a fair comparison of the offers. His answer to anyone who presses him to sign at once never changes: then go and sell it to somebody else.</source>
        <extracomment>King of Diamond: reading</extracomment>
        <translation>Astuto, de buen humor e imposible de apresurar, el rey de diamantes lee cada contrato dos veces y disfruta con un buen regateo. Empezó con una carretilla, hoy es dueño de la tienda de la esquina y sigue contando la caja él mismo. Respeta a quien sabe de números y lo perdona casi todo salvo el derroche. Antes de cerrar hoy cualquier asunto de dinero, piensa como él: primero los hechos, luego una comparación justa de las ofertas. A quien lo apremia para que firme en el acto le responde siempre igual: «Pues véndeselo a otro».</translation>
    </message>
    <message>
        <source>Business sense, wisdom, authority, caution and fair dealing.</source>
        <extracomment>King of Diamond: keywords</extracomment>
        <translation>Olfato para los negocios, sabiduría, autoridad, cautela y trato justo.</translation>
    </message>
    <message>
        <source>Which decision deserves facts first and a signature later?</source>
        <extracomment>King of Diamond: journal question</extracomment>
        <translation>¿Qué decisión pide primero los hechos y después la firma?</translation>
    </message>
    <message>
        <source>A woman with an eye for quality and a head for sums, the Queen of Diamonds can tell silk from polyester across a room and knows what each costs by the metre. She likes lovely things and is never owned by them. Through her the card invites you to enjoy a little beauty, flowers on the table perhaps, while keeping an honest record of the expense. Her advice about money deserves close attention; her bargains are legendary. Keep your own secrets, though. This Queen loves to talk, and a confidence told to her on Monday is common knowledge along the street by Tuesday.</source>
        <extracomment>Queen of Diamond: reading</extracomment>
        <translation>Con ojo para la calidad y cabeza para los números, la reina de diamantes distingue la seda del poliéster desde el otro lado de la sala y sabe el precio por metro de cada tejido. Le encantan las cosas bonitas, pero no es esclava de ellas. A través de ella la carta te invita a disfrutar de un poco de belleza, quizá unas flores en la mesa, sin dejar de anotar honradamente el gasto. Sus consejos sobre dinero merecen toda tu atención; sus gangas son legendarias. Eso sí, guárdate tus secretos. A esta reina le encanta hablar, y una confidencia que le hagas el lunes la sabe toda la calle el martes.</translation>
    </message>
    <message>
        <source>Resourcefulness, elegance, practicality, good taste and gossip.</source>
        <extracomment>Queen of Diamond: keywords</extracomment>
        <translation>Ingenio, elegancia, sentido práctico, buen gusto y chismes.</translation>
    </message>
    <message>
        <source>What lovely thing was worth its price, and which secret is better kept?</source>
        <extracomment>Queen of Diamond: journal question</extracomment>
        <translation>¿Qué cosa bonita valió lo que costó y qué secreto es mejor guardar?</translation>
    </message>
    <message>
        <source>Somewhere between you and the money stands the Knight of Diamonds, a ledger in one pocket and a timetable in the other. He is the go-between of money matters: the courier with the parcel, the agent with the quote, the cousin who knows somebody selling a van. Thorough and in a hurry at once, he can work in your favour today. An offer or a payment might travel towards you through a third person. Read every line before you agree, and ask the question you feel silly asking. If the deal still stands once the figures are checked, take it without further dithering.</source>
        <extracomment>Knights of Diamond: reading</extracomment>
        <translation>En algún punto entre tú y el dinero está la jota de diamantes, con un libro de cuentas en un bolsillo y un horario en el otro. Es el intermediario de los asuntos de dinero: el mensajero con el paquete, el agente con el presupuesto, el primo que conoce a alguien que vende una furgoneta. Con tanto esmero como prisa, hoy puede jugar a tu favor. Una oferta o un pago podría llegarte a través de un tercero. Lee cada línea antes de aceptar, y haz esa pregunta que te da apuro hacer. Si el trato sigue en pie una vez comprobadas las cifras, acéptalo sin más titubeos.</translation>
    </message>
    <message>
        <source>Errands, offers, diligence, careful checks and opportunity.</source>
        <extracomment>Knights of Diamond: keywords</extracomment>
        <translation>Recados, ofertas, diligencia, comprobaciones minuciosas y oportunidad.</translation>
    </message>
    <message>
        <source>Which figures did you check twice before agreeing?</source>
        <extracomment>Knights of Diamond: journal question</extracomment>
        <translation>¿Qué cifras comprobaste dos veces antes de aceptar?</translation>
    </message>
    <message>
        <source>As the symbol itself denotes, the Ace of Hearts symbolizes love card readers have cherished for generations: the first warm stirring of affection, the start of a friendship, the moment a house begins to feel like home. This Ace opens the heart, and an open heart is a gift to everyone near it. The kind word you have been holding back is worth saying, and being looked after for once is no weakness. New love or a happy letter could be on its way. Whatever begins now begins in sincerity, and it deserves the chance to grow.</source>
        <extracomment>Ace of Hearts: reading</extracomment>
        <translation>Como su propio símbolo indica, el as de corazones representa el amor, y así lo han leído los cartomantes durante generaciones: el primer calor del cariño, el comienzo de una amistad, el momento en que una casa empieza a ser un hogar. Este as abre el corazón, y un corazón abierto es un regalo para todos los que lo rodean. Merece la pena decir esa palabra amable que te guardas, y dejarse cuidar por una vez no es debilidad. Quizá llegue un amor nuevo o una carta con buenas noticias. Lo que empieza ahora empieza con sinceridad, y merece la ocasión de crecer.</translation>
    </message>
    <message>
        <source>Love, new affection, sincerity, openness and joy at home.</source>
        <extracomment>Ace of Hearts: keywords</extracomment>
        <translation>Amor, nuevo cariño, sinceridad, apertura y alegría en el hogar.</translation>
    </message>
    <message>
        <source>Which kind word were you holding back, and did you say it?</source>
        <extracomment>Ace of Hearts: journal question</extracomment>
        <translation>¿Qué palabra amable te estabas guardando? ¿Llegaste a decirla?</translation>
    </message>
    <message>
        <source>Two people find their way to each other in the Two of Hearts. Romance, a close friendship or a reconciliation with someone you had drifted away from: whatever form it takes, the feeling runs both ways. Ask how the other person really is, and answer honestly when the question comes back. Gestures that cost nothing carry great weight here, like tea brought without asking or a hand held a moment longer. If a coolness has crept in with someone dear, take the first step back towards them. On the card itself the two hearts mirror each other, one upright and one upside down.</source>
        <extracomment>Two of Hearts: reading</extracomment>
        <translation>En el dos de corazones, dos personas se buscan y se encuentran. Un romance, una amistad estrecha o una reconciliación con alguien de quien te habías alejado: sea cual sea su forma, el sentimiento es mutuo. Pregunta cómo está de verdad la otra persona, y responde con sinceridad cuando te devuelva la pregunta. Aquí los gestos que no cuestan nada pesan mucho, como un té que llega sin pedirlo o una mano que tarda un poco más en soltarse. Si se ha colado cierta frialdad con alguien querido, da tú el primer paso para acercarte. En la propia carta, los dos corazones se reflejan: uno derecho y otro boca abajo.</translation>
    </message>
    <message>
        <source>Harmony, mutual love, tenderness and reconciliation.</source>
        <extracomment>Two of Hearts: keywords</extracomment>
        <translation>Armonía, amor correspondido, ternura y reconciliación.</translation>
    </message>
    <message>
        <source>Who do you miss being close to these days?</source>
        <extracomment>Two of Hearts: journal question</extracomment>
        <translation>¿A quién echas de menos tener cerca estos días?</translation>
    </message>
    <message>
        <source>Voices fill the house. The Three of Hearts brings company, whether friends dropping by unannounced or a celebration long planned, and laughter comes easily. There is one caution in this cheerful card. When affection is shared among three, somebody can end up feeling left out, and a harmless flirtation can be read as more than it was. Be honest about the feelings you have and about those you lack, and make only promises you intend to keep. Honesty of that sort keeps the whole circle warm.</source>
        <extracomment>Three of Hearts: reading</extracomment>
        <translation>Las voces llenan la casa. El tres de corazones trae compañía, ya sean amigos que se presentan sin avisar o una celebración planeada desde hace tiempo, y la risa sale sola. Esta carta alegre encierra, eso sí, una advertencia. Cuando el cariño se reparte entre tres, alguien puede acabar sintiéndose excluido, y un coqueteo inocente puede tomarse por algo más. Habla con franqueza de los sentimientos que tienes y de los que no tienes, y promete solo lo que pienses cumplir. Esa clase de franqueza mantiene cálido todo el círculo.</translation>
    </message>
    <message>
        <source>Celebration, friendship, gatherings, honesty and clear feelings.</source>
        <extracomment>Three of Hearts: keywords</extracomment>
        <translation>Celebración, amistad, reuniones, sinceridad y sentimientos claros.</translation>
    </message>
    <message>
        <source>Who made you laugh, and was anyone left out of the circle?</source>
        <extracomment>Three of Hearts: journal question</extracomment>
        <translation>¿Quién te hizo reír? ¿Se quedó alguien fuera del círculo?</translation>
    </message>
    <message>
        <source>A peaceful home is honoured by the Four of Hearts. Life indoors runs smoothly, and such stability is worth treasuring. Still, a restlessness can stir, a sense that comfort is sliding into routine. Bring the freshness home rather than hunting for it elsewhere; moving the furniture or cooking a dish you have never tried can do more than a trip abroad. In older readings this card could also foretell a change of address, or a commitment that is delayed but happy in the end. Homes stay alive the way fires do, by being stirred now and then.</source>
        <extracomment>Four of Hearts: reading</extracomment>
        <translation>El cuatro de corazones honra un hogar en paz. La vida en casa fluye sin tropiezos, y esa estabilidad es un tesoro que cuidar. Aun así, puede asomar cierta inquietud, la sensación de que la comodidad se está volviendo rutina. Trae la novedad a casa en vez de buscarla fuera: mover los muebles o cocinar un plato que nunca has probado puede hacer más que un viaje al extranjero. En lecturas antiguas esta carta también podía anunciar una mudanza, o un compromiso que se retrasa pero acaba felizmente. Un hogar se mantiene vivo como el fuego: avivándolo de vez en cuando.</translation>
    </message>
    <message>
        <source>Domestic peace, stability, renewal, home and commitment.</source>
        <extracomment>Four of Hearts: keywords</extracomment>
        <translation>Paz doméstica, estabilidad, renovación, hogar y compromiso.</translation>
    </message>
    <message>
        <source>What one change would make home feel fresh again?</source>
        <extracomment>Four of Hearts: journal question</extracomment>
        <translation>¿Qué cambio haría que tu casa volviera a parecer nueva?</translation>
    </message>
    <message>
        <source>Some feelings are hard to name, and the Five of Hearts stirs a few of them. A disappointment or a flash of jealousy can surface, and it is tempting to let it tint the whole day. Look at it gently instead; a feeling like this wants understanding more than obedience. Talking to someone you trust helps, as does a letter you never send. When the cloud passes you will see which attachments still deserve your love and which you are ready to let go at last.</source>
        <extracomment>Five of Hearts: reading</extracomment>
        <translation>Hay sentimientos difíciles de nombrar, y el cinco de corazones remueve algunos. Puede aflorar una decepción o un arrebato de celos, y tienta dejar que tiña el día entero. Mejor míralo con suavidad; un sentimiento así pide comprensión más que obediencia. Ayuda hablar con alguien de confianza, y también escribir una carta que nunca envíes. Cuando pase la nube verás qué apegos siguen mereciendo tu cariño y cuáles puedes soltar por fin.</translation>
    </message>
    <message>
        <source>Mixed emotions, disappointment, reflection, release and healing.</source>
        <extracomment>Five of Hearts: keywords</extracomment>
        <translation>Emociones encontradas, decepción, reflexión, desapego y sanación.</translation>
    </message>
    <message>
        <source>Which feeling was hard to name, and what was it asking for?</source>
        <extracomment>Five of Hearts: journal question</extracomment>
        <translation>¿Qué sentimiento te costó nombrar y qué te estaba pidiendo?</translation>
    </message>
    <message>
        <source>Sweet memories drift back with the Six of Hearts: a childhood street, a first home, a friend from long ago. They carry warmth rather than sorrow, and they remind you of who you were before life grew complicated. Someone from your past could get in touch, or you might feel moved to write first. Simple generosity is favoured as well. A present given for no occasion, or an errand run for a neighbour who cannot manage it, pleases the giver as much as the one who receives. The plainest pleasures often prove the richest.</source>
        <extracomment>Six of Hearts: reading</extracomment>
        <translation>Con el seis de corazones vuelven dulces recuerdos: una calle de la infancia, una primera casa, un amigo de hace mucho. Traen calidez más que tristeza, y te recuerdan quién eras antes de que la vida se complicara. Alguien de tu pasado podría ponerse en contacto contigo, o quizá te apetezca escribir tú primero. También se ve favorecida la generosidad sencilla. Un regalo sin motivo, o un recado hecho para un vecino que no puede hacerlo, alegra a quien da tanto como a quien recibe. Los placeres más sencillos suelen resultar los más ricos.</translation>
    </message>
    <message>
        <source>Nostalgia, childhood, old friends, kindness and simple joys.</source>
        <extracomment>Six of Hearts: keywords</extracomment>
        <translation>Nostalgia, infancia, viejos amigos, amabilidad y alegrías sencillas.</translation>
    </message>
    <message>
        <source>Which memory from long ago came back to you?</source>
        <extracomment>Six of Hearts: journal question</extracomment>
        <translation>¿Qué recuerdo lejano ha vuelto a ti?</translation>
    </message>
    <message>
        <source>Possibilities crowd around you, and the Seven of Hearts warns that not all of them are what they seem. A charming promise or an offer that sounds too good to be true could tempt you. Enjoy the imagining, but take time before acting on it. This is an old card of changeable affections, so judge people by what they do over weeks, never by what they say over one glass of wine. When the choice comes, pick the real thing over the glittering one. Mirages, after all, look most convincing to the thirsty.</source>
        <extracomment>Seven of Hearts: reading</extracomment>
        <translation>Las posibilidades se agolpan a tu alrededor, y el siete de corazones advierte que no todas son lo que parecen. Puede tentarte una promesa encantadora o una oferta demasiado buena para ser verdad. Disfruta imaginando, pero tómate tiempo antes de actuar. Es una vieja carta de afectos cambiantes, así que juzga a la gente por lo que hace a lo largo de semanas, nunca por lo que dice ante una copa de vino. Cuando llegue la hora de elegir, quédate con lo auténtico y no con lo que brilla. Al fin y al cabo, los espejismos convencen más al sediento.</translation>
    </message>
    <message>
        <source>Temptation, illusions, choices, discernment, patience and steadiness.</source>
        <extracomment>Seven of Hearts: keywords</extracomment>
        <translation>Tentación, ilusiones, elecciones, discernimiento, paciencia y aplomo.</translation>
    </message>
    <message>
        <source>What do the facts say about the promise that sounded too good?</source>
        <extracomment>Seven of Hearts: journal question</extracomment>
        <translation>¿Qué dicen los hechos de aquella promesa que sonaba demasiado bien?</translation>
    </message>
    <message>
        <source>Expect an invitation from the Eight of Hearts, perhaps to a wedding or to a table where you know only the host, and you will be glad you said yes. This sociable, generous card rewards anyone who turns up. Wear something you love, and let yourself be entertained. A conversation begun at such a gathering could deepen a friendship or start a romance. If you have kept to yourself lately, here is an opening to come back into the warmth of your own people.</source>
        <extracomment>Eight of Hearts: reading</extracomment>
        <translation>Espera una invitación del ocho de corazones, quizá a una boda o a una mesa donde solo conoces al anfitrión, y te alegrarás de haber dicho que sí. Esta carta sociable y generosa premia a quien se presenta. Ponte algo que te encante y déjate agasajar. Una conversación iniciada en una reunión así podría estrechar una amistad o empezar un romance. Si últimamente te has encerrado en casa, aquí tienes la ocasión de volver al calor de los tuyos.</translation>
    </message>
    <message>
        <source>Invitations, gatherings, generosity, romance and warmth.</source>
        <extracomment>Eight of Hearts: keywords</extracomment>
        <translation>Invitaciones, reuniones, generosidad, romance y calidez.</translation>
    </message>
    <message>
        <source>Which invitation would you like to accept, or to send?</source>
        <extracomment>Eight of Hearts: journal question</extracomment>
        <translation>¿Qué invitación te gustaría aceptar, o enviar?</translation>
    </message>
    <message>
        <source>Known everywhere as the wish card, the Nine of Hearts is counted by many readers the luckiest in the deck. A hope you have held close, perhaps for years, is nearing fulfilment. Name your wish plainly, if only to yourself, and then behave as though it could come true. Happiness is close at hand, romance too. Make time to relax and enjoy them instead of scanning the horizon for the next worry. Contentment is knocking; let it in without asking whether you have deserved it.</source>
        <extracomment>Nine of Hearts: reading</extracomment>
        <translation>Conocido como la carta de los deseos, el nueve de corazones es para muchos cartomantes la más afortunada de la baraja. Una esperanza que guardas muy dentro, quizá desde hace años, está a punto de cumplirse. Nombra tu deseo con claridad, aunque solo sea para ti, y actúa como si pudiera hacerse realidad. La felicidad está a mano, y el amor también. Relájate y disfrútalos en vez de otear el horizonte en busca de la próxima preocupación. La dicha llama a la puerta; déjala entrar sin preguntarte si la mereces.</translation>
    </message>
    <message>
        <source>love, romance, joy, happiness and relaxing.</source>
        <extracomment>Nine of Hearts: keywords</extracomment>
        <translation>Amor, romance, alegría, felicidad y descanso.</translation>
    </message>
    <message>
        <source>If you named your wish plainly, what would it be?</source>
        <extracomment>Nine of Hearts: journal question</extracomment>
        <translation>Si dijeras tu deseo con claridad, ¿cuál sería?</translation>
    </message>
    <message>
        <source>Love grown to its full size is the subject of the Ten of Hearts. What started as one affection has become a household: the ones who know how you take your tea, who turn up without being asked, who have seen you at your worst and stayed. Whether they are kin by blood or by choice makes no difference here. Good news about a home or a wedding is traditional with this card, as is plain contentment, the kind nobody notices until it is named. Picture a table with every chair taken and the talk running over itself: that noise is what this card sounds like.</source>
        <extracomment>Ten of Hearts: reading</extracomment>
        <translation>El diez de corazones habla del amor que ha crecido hasta su plenitud. Lo que empezó como un solo afecto se ha convertido en un hogar: los que saben cómo te gusta el café, los que aparecen sin que se lo pidas, los que te han visto en tu peor momento y se han quedado. Que sean familia de sangre o elegida da igual aquí. Por tradición, esta carta trae buenas noticias sobre una casa o una boda, y también dicha sencilla, esa que nadie nota hasta que se nombra. Imagina una mesa con todas las sillas ocupadas y las conversaciones pisándose: ese bullicio es el sonido de esta carta.</translation>
    </message>
    <message>
        <source>Family happiness, fulfilment, lasting love, home and celebration.</source>
        <extracomment>Ten of Hearts: keywords</extracomment>
        <translation>Felicidad familiar, plenitud, amor duradero, hogar y celebración.</translation>
    </message>
    <message>
        <source>Who are the people you count as your own?</source>
        <extracomment>Ten of Hearts: journal question</extracomment>
        <translation>¿A quiénes cuentas entre los tuyos?</translation>
    </message>
    <message>
        <source>Picture a man who remembers the names of his neighbours&apos; children and still gets choked up at weddings. The King of Hearts is warm, generous and a touch impulsive, quick to anger and quicker to forgive. Someone with his warmth could settle a quarrel in your circle today; let him. If nobody steps forward, the part is yours. Hearing both sides before you judge is half the work, and comfort offered without a lecture is the other half. His temper flares like a match and goes out as fast, and nobody who knows him holds it against him.</source>
        <extracomment>King of Hearts: reading</extracomment>
        <translation>Imagina a un hombre que se sabe el nombre de los hijos de sus vecinos y que aún se emociona en las bodas. El rey de corazones es cálido, generoso y algo impulsivo, rápido para enfadarse y más rápido aún para perdonar. Alguien con su calidez podría zanjar hoy una disputa entre los tuyos; deja que lo haga. Si nadie da el paso, el papel es tuyo. Escuchar a las dos partes antes de juzgar es la mitad del trabajo, y consolar sin sermonear es la otra mitad. Su genio prende como una cerilla y se apaga igual de rápido, y nadie que lo conozca se lo tiene en cuenta.</translation>
    </message>
    <message>
        <source>Warmth, generosity, quick temper, forgiveness and fairness.</source>
        <extracomment>King of Hearts: keywords</extracomment>
        <translation>Calidez, generosidad, genio vivo, perdón y justicia.</translation>
    </message>
    <message>
        <source>Which quarrel needs both sides heard before anyone judges it?</source>
        <extracomment>King of Hearts: journal question</extracomment>
        <translation>¿Qué disputa pide escuchar a ambas partes antes de juzgarla?</translation>
    </message>
    <message>
        <source>The kettle is always on at the Queen of Hearts&apos; table. She is the woman everyone rings in a crisis, who remembers every birthday and turns up with soup when you are ill. Her gift is intuition, a feeling for what others need before they say it. Her kind of attention is catching: a pot of something warm carried next door, or a note to someone lonely, will be remembered when the pot is long empty. Look after yourself with equal care, though, and keep one hour for your own heart. Even she sits down at last with the final cup from the pot.</source>
        <extracomment>Queen of Hearts: reading</extracomment>
        <translation>En la mesa de la reina de corazones siempre hay una tetera al fuego. Es la mujer a la que todos llaman en una crisis, la que recuerda cada cumpleaños y aparece con sopa cuando estás en cama. Su don es la intuición, un instinto para saber lo que otros necesitan antes de que lo digan. Su manera de atender se contagia: una olla de algo caliente llevada al vecino, o una nota a alguien que está solo, se recordará mucho después de vaciada la olla. Eso sí, cuídate a ti con el mismo esmero y guarda una hora para tu propio corazón. Hasta ella acaba sentándose con la última taza de la tetera.</translation>
    </message>
    <message>
        <source>Nurturing, devotion, intuition, compassion, comfort and self-care.</source>
        <extracomment>Queen of Hearts: keywords</extracomment>
        <translation>Cuidado, entrega, intuición, compasión, consuelo y autocuidado.</translation>
    </message>
    <message>
        <source>Whose need did you sense before they said it?</source>
        <extracomment>Queen of Hearts: journal question</extracomment>
        <translation>¿De quién intuiste lo que necesitaba antes de que lo dijera?</translation>
    </message>
    <message>
        <source>Charming, attentive and a little too fond of grand gestures, the Knight of Hearts courts the world. He could be an admirer, or the friend who sends flowers for no reason at all. In his company romance feels easy and a surprise is never far away. Enjoy the attention, and return it if you mean it. Let feelings take their time. A tender gesture is lovely; a rash promise made by candlelight is hard to unsay.</source>
        <extracomment>Knights of Hearts: reading</extracomment>
        <translation>La jota de corazones es un galán que corteja al mundo: encantador, atento y demasiado amigo de los grandes gestos. Puede ser un admirador, o ese amigo que te manda flores sin motivo. A su lado el romance parece fácil y la sorpresa nunca anda lejos. Disfruta las atenciones, y devuélvelas si las sientes. Deja que los sentimientos se tomen su tiempo. Un gesto tierno es precioso; una promesa precipitada a la luz de las velas cuesta retirarla.</translation>
    </message>
    <message>
        <source>Romance, devotion, charm, good company and open hearts.</source>
        <extracomment>Knights of Hearts: keywords</extracomment>
        <translation>Romance, entrega, encanto, buena compañía y corazones abiertos.</translation>
    </message>
    <message>
        <source>What gesture of affection would you make if you had the nerve?</source>
        <extracomment>Knights of Hearts: journal question</extracomment>
        <translation>¿Qué gesto de cariño tendrías si te atrevieras?</translation>
    </message>
    <message>
        <source>Feared by many, the Ace of Spades is really a card of transformation. Some part of your life is ending, or needs to end, so that something sturdier can take its place, whether a habit or a belief that has run its course. Remember that a spade is also a digging tool, the blade that breaks hard earth so that roots can take hold. Endings are rarely comfortable, but this Ace offers a clean cut. Decide what no longer serves you, and act on it without apology. Whatever grows in the cleared ground will be truly yours.</source>
        <extracomment>Ace of Spades: reading</extracomment>
        <translation>Temido por muchos, el as de picas es en realidad una carta de transformación. Algo en tu vida termina, o necesita terminar, para que algo más sólido ocupe su lugar, ya sea un hábito o una creencia que ya no da más de sí. Recuerda que la pica tiene la forma de una hoja de pala, la que rompe la tierra dura para que las raíces puedan agarrar. Los finales rara vez son cómodos, pero este as ofrece un corte limpio. Decide qué ya no te sirve y actúa en consecuencia, sin pedir perdón. Lo que crezca en el terreno despejado será de verdad tuyo.</translation>
    </message>
    <message>
        <source>Transformation, endings, decisiveness and renewal.</source>
        <extracomment>Ace of Spades: keywords</extracomment>
        <translation>Transformación, finales, determinación y renovación.</translation>
    </message>
    <message>
        <source>What is ending, and what should grow in its place?</source>
        <extracomment>Ace of Spades: journal question</extracomment>
        <translation>¿Qué está terminando y qué debería crecer en su lugar?</translation>
    </message>
    <message>
        <source>Stalemate is the word for the Two of Spades. Two paths or two loyalties pull you in opposite directions, and not choosing at all can look tempting. Putting it off only leaves you standing at the crossroads. Look squarely at the whole situation; facts help, and your instinct helps too, though no choice will be perfect. A tense conversation might be needed, and a truce is possible if both sides are honest about what they want. In tarot the matching picture is a blindfolded woman holding two crossed swords, perfectly balanced and going nowhere.</source>
        <extracomment>Two of Spades: reading</extracomment>
        <translation>Punto muerto es la palabra del dos de picas. Dos caminos o dos lealtades tiran de ti en direcciones opuestas, y no elegir ninguno puede resultar tentador. Aplazarlo solo alarga tu espera en la encrucijada. Mira de frente la situación entera; los hechos ayudan, y tu instinto también, aunque ninguna elección será perfecta. Quizá haga falta una conversación tensa, y una tregua es posible si ambas partes son sinceras sobre lo que quieren. En el tarot, la imagen gemela es una mujer con los ojos vendados que sostiene dos espadas cruzadas, en perfecto equilibrio y sin ir a ninguna parte.</translation>
    </message>
    <message>
        <source>Difficult choices, stalemate, truth, truce and commitment.</source>
        <extracomment>Two of Spades: keywords</extracomment>
        <translation>Elecciones difíciles, punto muerto, verdad, tregua y compromiso.</translation>
    </message>
    <message>
        <source>What fact would settle the choice you keep putting off?</source>
        <extracomment>Two of Spades: journal question</extracomment>
        <translation>¿Qué dato zanjaría la decisión que sigues aplazando?</translation>
    </message>
    <message>
        <source>The Three of Spades denotes destruction. Something in your life has reached the point where it cannot be mended, and the card asks you to stop pretending otherwise. It could be a quarrel that keeps returning or a partnership built on unequal terms. Separation can hurt, but it can also free you. Look honestly at your own part in the conflict, so that you do not carry it into what comes next. From the rubble you can build a more independent life, one chosen with open eyes. A new phase begins once you let the old one go.</source>
        <extracomment>Three of Spades: reading</extracomment>
        <translation>El tres de picas anuncia destrucción. Algo en tu vida ha llegado a un punto en que ya no tiene arreglo, y la carta te pide que dejes de fingir lo contrario. Puede ser una riña que vuelve una y otra vez o una sociedad construida sobre condiciones desiguales. Separarse puede doler, pero también liberar. Mira con honradez tu propia parte en el conflicto, para no arrastrarla a lo que venga. Con los escombros puedes construir una vida más independiente, elegida con los ojos abiertos. Una nueva etapa empieza cuando sueltas la anterior.</translation>
    </message>
    <message>
        <source>Independent, self-destructive, conflicts, separation and starting a new phase of life.</source>
        <extracomment>Three of Spades: keywords</extracomment>
        <translation>Independencia, autodestrucción, conflictos, separación y comienzo de una nueva etapa.</translation>
    </message>
    <message>
        <source>What are you still trying to mend that cannot be mended?</source>
        <extracomment>Three of Spades: journal question</extracomment>
        <translation>¿Qué sigues intentando arreglar que ya no tiene arreglo?</translation>
    </message>
    <message>
        <source>Rest and recovery are the business of the Four of Spades. If the last stretch has been hard, body and mind need time to mend, and pushing on regardless only delays the return of your strength. Cancel whatever can be cancelled and turn down the noise. Problems will wait a day or two; most will still be there, and will find you better prepared. Old books connect this card with a minor illness and with the calm that follows it, when the house goes still and the mending gets done. Treat the pause as a hearth where your strength warms itself again.</source>
        <extracomment>Four of Spades: reading</extracomment>
        <translation>Descansar y recuperarse es asunto del cuatro de picas. Si el último tramo ha sido duro, cuerpo y mente necesitan tiempo para sanar, y seguir forzando solo retrasa la vuelta de tus fuerzas. Cancela lo que se pueda cancelar y baja el ruido. Los problemas pueden esperar un día o dos; la mayoría seguirán ahí, y te encontrarán con más fuerzas. Los libros antiguos asocian esta carta con una dolencia leve y con la calma que la sigue, cuando la casa se aquieta y la curación sigue su curso. Toma la pausa como un hogar junto al que tus fuerzas vuelven a entrar en calor.</translation>
    </message>
    <message>
        <source>Rest, recovery, retreat, healing and quiet preparation.</source>
        <extracomment>Four of Spades: keywords</extracomment>
        <translation>Descanso, recuperación, retiro, sanación y preparación serena.</translation>
    </message>
    <message>
        <source>What could you cancel or postpone to make room for rest?</source>
        <extracomment>Four of Spades: journal question</extracomment>
        <translation>¿Qué podrías cancelar o aplazar para hacer sitio al descanso?</translation>
    </message>
    <message>
        <source>Nobody really wins the battle the Five of Spades describes. An argument can tempt you to prove yourself right at any cost, and the price could be higher than the prize. What do you actually want from this conflict? Often the wiser move is to step away with your dignity whole and your temper cool. If someone has wronged you, one clear boundary, stated once, does more than any amount of argument. Setbacks of this sort are temporary, and the respect you keep by declining a petty fight outlasts them by years.</source>
        <extracomment>Five of Spades: reading</extracomment>
        <translation>Nadie gana de verdad la batalla que describe el cinco de picas. Una discusión puede tentarte a demostrar que tienes razón cueste lo que cueste, y el precio podría superar al premio. ¿Qué quieres realmente de este conflicto? A menudo lo más sensato es retirarse con la dignidad intacta y la cabeza fría. Si alguien te ha hecho daño, un límite claro, dicho una sola vez, logra más que cualquier discusión. Los reveses de este tipo son pasajeros, y el respeto que conservas al rechazar una pelea mezquina dura años más que ellos.</translation>
    </message>
    <message>
        <source>Conflict, setbacks, boundaries, dignity, restraint and wise retreat.</source>
        <extracomment>Five of Spades: keywords</extracomment>
        <translation>Conflicto, reveses, límites, dignidad, contención y retirada sensata.</translation>
    </message>
    <message>
        <source>Which fight is not worth winning?</source>
        <extracomment>Five of Spades: journal question</extracomment>
        <translation>¿Qué pelea no vale la pena ganar?</translation>
    </message>
    <message>
        <source>Rough water falls behind you under the Six of Spades. If trouble has dogged you, it begins to ease, not all at once but by degrees, the way a ferry nearing the far shore feels the water calm under its hull. Cartomancers have long linked it with a journey, often over water, and with a move away from difficulty rather than a victory over it. You need not have solved everything to be better off; distance does a good deal of the mending. Pack only what the crossing requires and leave the rest on the quay. Improvement that comes this way is slow, which is exactly why it tends to last.</source>
        <extracomment>Six of Spades: reading</extracomment>
        <translation>Con el seis de picas, las aguas revueltas quedan atrás. Si los problemas te han perseguido, empiezan a amainar, no de golpe sino poco a poco, como el transbordador que, cerca de la otra orilla, siente calmarse el agua bajo el casco. Los cartomantes lo asocian desde hace mucho con un viaje, a menudo por agua, y con alejarse de la dificultad más que con vencerla. No necesitas haberlo resuelto todo para estar mejor; la distancia hace buena parte del arreglo. Lleva solo lo que exige la travesía y deja el resto en el muelle. La mejoría que llega así es lenta, y justo por eso suele durar.</translation>
    </message>
    <message>
        <source>Passage, gradual improvement, journeys, calmer waters and relief.</source>
        <extracomment>Six of Spades: keywords</extracomment>
        <translation>Travesía, mejoría gradual, viajes, aguas más tranquilas y alivio.</translation>
    </message>
    <message>
        <source>What are you leaving behind, and what goes with you across the water?</source>
        <extracomment>Six of Spades: journal question</extracomment>
        <translation>¿Qué dejas atrás y qué te llevas al otro lado del agua?</translation>
    </message>
    <message>
        <source>Keep your wits about you when the Seven of Spades appears. Someone might not be telling the whole story, or a plan that looks simple could hide complications. Blind trust would be unwise today, and suspicion of everyone just as unwise; what the day asks for is attention. Check the details and keep private matters private. A loan you cannot afford to lose is one you cannot afford to make. Where petty deceptions are about, the surest protection is honesty, including honesty with yourself about what you hope to hear.</source>
        <extracomment>Seven of Spades: reading</extracomment>
        <translation>Mantén los ojos abiertos cuando aparezca el siete de picas. Puede que alguien no lo cuente todo, o que un plan de aspecto sencillo esconda complicaciones. Hoy no sería prudente confiar a ciegas, ni tampoco sospechar de todos; lo que pide el día es atención. Revisa los detalles y guarda en privado lo privado. Un préstamo que no puedes permitirte perder es uno que no puedes permitirte hacer. Donde rondan los pequeños engaños, la mejor protección es la honestidad, también contigo: no confundas lo cierto con lo que esperas oír.</translation>
    </message>
    <message>
        <source>Caution, deception, vigilance and plain honesty.</source>
        <extracomment>Seven of Spades: keywords</extracomment>
        <translation>Cautela, engaño, vigilancia y honestidad sin rodeos.</translation>
    </message>
    <message>
        <source>What detail deserves a second look before you trust it?</source>
        <extracomment>Seven of Spades: journal question</extracomment>
        <translation>¿Qué detalle merece un segundo vistazo antes de fiarte?</translation>
    </message>
    <message>
        <source>The Eight of Spades draws a fence around the day: plans stall, answers are slow, and every way forward seems shut. Walk the whole fence before you decide it has no gate. Some of its posts are real limits; others are only worry, and worry gives way when you lean on it. Pick one job that you can finish today and finish it. With patience and a fresh angle you will find the gate.</source>
        <extracomment>Eight of Spades: reading</extracomment>
        <translation>El ocho de picas cerca el día con una valla: los planes se atascan, las respuestas tardan y todo camino parece cerrado. Recorre la valla entera antes de decidir que no tiene puerta. Algunos postes son límites reales; otros, solo preocupación, y esta cede en cuanto te apoyas. Elige una tarea que puedas acabar hoy y acábala. Con paciencia y otra mirada, darás con la puerta.</translation>
    </message>
    <message>
        <source>Restriction, frustration, patience, perspective and small steps.</source>
        <extracomment>Eight of Spades: keywords</extracomment>
        <translation>Restricción, frustración, paciencia, perspectiva y pasos pequeños.</translation>
    </message>
    <message>
        <source>Which limits are real, and which are only worry?</source>
        <extracomment>Eight of Spades: journal question</extracomment>
        <translation>¿Qué límites son reales y cuáles solo preocupación?</translation>
    </message>
    <message>
        <source>Of all the cards, the Nine of Spades has the heaviest name, linked with worry and sleepless nights. If anxiety sits with you today, remember that fears grow tall in the dark and shrink in daylight. Writing down what troubles you helps to sort the real problems from the imagined ones, and the real ones are easier to share. Resilience is being tested, and it has held under strain before. Every hardship you come through becomes part of the strength you draw on later. When the day is done, put the phone away early and let sleep do part of the work.</source>
        <extracomment>Nine of Spades: reading</extracomment>
        <translation>De todas las cartas, el nueve de picas tiene la peor fama, ligada a la preocupación y a las noches en vela. Si hoy te acompaña la ansiedad, recuerda que los miedos crecen en la oscuridad y encogen a la luz del día. Escribir lo que te inquieta ayuda a separar los problemas reales de los imaginados, y los reales se comparten mejor. Tu resistencia está a prueba, y ya ha aguantado antes. Cada dificultad que superas se vuelve parte de la fuerza de la que tirarás después. Cuando termine el día, aparta pronto el móvil y deja que el sueño haga parte del trabajo.</translation>
    </message>
    <message>
        <source>Anxiety, worry, resilience, courage and asking for help.</source>
        <extracomment>Nine of Spades: keywords</extracomment>
        <translation>Ansiedad, preocupación, resistencia, valor y pedir ayuda.</translation>
    </message>
    <message>
        <source>What is the worry, written down in plain words?</source>
        <extracomment>Nine of Spades: journal question</extracomment>
        <translation>¿Cuál es tu preocupación, escrita con palabras sencillas?</translation>
    </message>
    <message>
        <source>With the Ten of Spades something is finished, and finished for good. Older readers tied it to grief and unwelcome news, and it can carry both; what it does not carry is more of the same. If something has been hurting you, it has nowhere further to go. A parting can sting even when it was overdue, and it is allowed to. Notice which habit went with it, and do not pick that habit up again out of loyalty to the past. Ten completes the suit: from here the next deal starts with an Ace, and those same readers held that prosperity comes after the mourning.</source>
        <extracomment>Ten of Spades: reading</extracomment>
        <translation>Con el diez de picas algo termina, y termina para siempre. Los cartomantes de antes lo relacionaban con el duelo y las malas noticias, y puede traer ambas cosas; lo que no trae es más de lo mismo. Si algo te ha estado haciendo daño, ya no tiene adónde ir. Una despedida puede escocer aunque ya tocara, y tiene todo el derecho a hacerlo. Fíjate en qué costumbre se fue con ella, y no la retomes por lealtad al pasado. El diez completa el palo: a partir de aquí la próxima mano empieza con un as, y esos mismos cartomantes decían que tras el luto llega la prosperidad.</translation>
    </message>
    <message>
        <source>New beginning, realization, end of bad habits, painful parting and prosperous. </source>
        <extracomment>Ten of Spades: keywords</extracomment>
        <translation>Nuevo comienzo, toma de conciencia, fin de los malos hábitos, despedida dolorosa y prosperidad.</translation>
    </message>
    <message>
        <source>Which habit can leave along with what has ended?</source>
        <extracomment>Ten of Spades: journal question</extracomment>
        <translation>¿Qué costumbre puede irse junto con lo que ha terminado?</translation>
    </message>
    <message>
        <source>Cold air and clear thinking come with the King of Spades, a man whose word carries weight. He might be a judge or a surgeon, or the examiner who reads in silence and then asks the one question you hoped to avoid. He is neither cruel nor kind; he is exact. When a decision of that formal kind is due, go prepared: know your rights, have your papers in order and keep your answers brief. Few argue with his verdicts, because he always shows his reasons.</source>
        <extracomment>King of Spades: reading</extracomment>
        <translation>Con el rey de picas llegan el aire frío y las ideas claras; es un hombre cuya palabra pesa. Podría ser un juez o un cirujano, o el examinador que lee en silencio y luego hace justo la pregunta que esperabas evitar. No es cruel ni amable: es exacto. Cuando se acerque una decisión formal de ese tipo, lleva los deberes hechos: conoce tus derechos, ten los papeles en regla y responde con brevedad. Pocos discuten sus veredictos, porque siempre muestra sus razones.</translation>
    </message>
    <message>
        <source>Authority, judgement, fairness and preparation.</source>
        <extracomment>King of Spades: keywords</extracomment>
        <translation>Autoridad, juicio, justicia y preparación.</translation>
    </message>
    <message>
        <source>What decision needs your reasons set down on paper?</source>
        <extracomment>King of Spades: journal question</extracomment>
        <translation>¿Qué decisión necesita tus razones por escrito?</translation>
    </message>
    <message>
        <source>Life has not been easy for the Queen of Spades, and it has left her clear-eyed rather than bitter. She has stopped pretending, and her dry wit spares no one, herself least of all. Flattery bores her. She will tell you what you need to hear instead of what you would like to hear, and she deserves thanks for it, though it stings. She also stands for clarity you have earned yourself, the kind hard experience teaches: boundaries drawn without apology and the true thing said plainly. Her smile is rare, and worth more for it.</source>
        <extracomment>Queen of Spades: reading</extracomment>
        <translation>La vida no ha sido fácil para la reina de picas, y eso la ha vuelto lúcida, no amarga. Ya no finge, y su ironía seca no perdona a nadie, empezando por ella misma. La adulación la aburre. Te dirá lo que necesitas oír en vez de lo que te gustaría oír, y merece que se lo agradezcas, aunque escueza. También representa la claridad que te has ganado, la que enseña la experiencia dura: límites trazados sin pedir perdón y la verdad dicha sin rodeos. Sonríe poco, y por eso su sonrisa vale más.</translation>
    </message>
    <message>
        <source>Independence, perception, honesty, boundaries and resilience.</source>
        <extracomment>Queen of Spades: keywords</extracomment>
        <translation>Independencia, perspicacia, sinceridad, límites y entereza.</translation>
    </message>
    <message>
        <source>What true thing needs saying plainly, to someone or to yourself?</source>
        <extracomment>Queen of Spades: journal question</extracomment>
        <translation>¿Qué verdad hay que decir sin rodeos, a otra persona o a ti?</translation>
    </message>
    <message>
        <source>The Knight of Spades fights for whatever cause he takes up and seldom stops to ask whether the fight is needed. You might meet him as a blunt acquaintance or a rival who plays to win, or find him in your own temper. Sharp words could come your way today. Before reacting, separate what was said from how it was said; there is often useful truth under bad manners. Rushing in is his fault, not a virtue to copy, since a curt reply or a reckless decision can take weeks to undo. Courage that waits on judgement serves better than courage that charges.</source>
        <extracomment>Knights of Spades: reading</extracomment>
        <translation>La jota de picas lucha por cualquier causa que abraza y rara vez se para a preguntarse si la pelea hace falta. Puede presentarse como un conocido brusco o un rival que juega a ganar, o asomar en tu propio carácter. Hoy podrían llegarte palabras cortantes. Antes de reaccionar, separa lo que se dijo de cómo se dijo; bajo los malos modos suele haber una verdad útil. Lanzarse sin pensar es su defecto, no una virtud que imitar, porque una respuesta seca o una decisión temeraria puede tardar semanas en deshacerse. El valor que espera al buen juicio sirve más que el valor que embiste.</translation>
    </message>
    <message>
        <source>Bluntness, impulse, haste, hard truths and courage.</source>
        <extracomment>Knights of Spades: keywords</extracomment>
        <translation>Brusquedad, impulso, prisa, verdades duras y valor.</translation>
    </message>
    <message>
        <source>Was there any truth under the sharp words you heard?</source>
        <extracomment>Knights of Spades: journal question</extracomment>
        <translation>¿Había algo de verdad bajo las palabras cortantes que oíste?</translation>
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
        <translation>Uso: %1 [/STARTUP]
Muestra una carta de la baraja para el día, con su lectura.

  /STARTUP       inicio al abrir la sesión: espera en la bandeja del sistema si así se ha elegido
  -h, --help     muestra esta ayuda y termina
  -v, --version  muestra la versión y termina
</translation>
    </message>
</context>
<context>
    <name>JournalExport</name>
    <message>
        <source>Tarvelle journal</source>
        <translation>Diario de Tarvelle</translation>
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
Periodo favorable: %3
Claves: %4
</translation>
    </message>
</context>
<context>
    <name>OnDemandJournalStore</name>
    <message>
        <source>%1 is not installed</source>
        <translation>%1 no está instalado</translation>
    </message>
    <message>
        <source>The journal %1 cannot be opened: the part of Tarvelle that keeps it is missing (%2). Installing Tarvelle again mends this.</source>
        <translation>No se puede abrir el diario %1: falta la parte de Tarvelle que lo gestiona (%2). Para arreglarlo, vuelve a instalar Tarvelle.</translation>
    </message>
    <message>
        <source>Today&apos;s card and the settings are unharmed. The days drawn and the notes typed are kept while Tarvelle runs, but cannot be written.</source>
        <translation>La carta de hoy y la configuración siguen intactas. Las cartas de cada día y las notas escritas se conservan mientras Tarvelle esté en marcha, pero no se pueden guardar.</translation>
    </message>
</context>
<context>
    <name>Referral</name>
    <message>
        <source>Please Enter Distinct Email Addresses</source>
        <translation>Introduce dos direcciones de correo distintas.</translation>
    </message>
    <message>
        <source>Please Enter Proper Email Address</source>
        <translation>Introduce una dirección de correo válida.</translation>
    </message>
    <message>
        <source>Please Enter Your Name</source>
        <translation>Introduce tu nombre.</translation>
    </message>
    <message>
        <source>Please Enter Your Email</source>
        <translation>Introduce tu correo electrónico.</translation>
    </message>
    <message>
        <source>Please Enter Your Message</source>
        <translation>Escribe tu mensaje.</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Name</source>
        <translation>Introduce el nombre de tu amigo.</translation>
    </message>
    <message>
        <source>Please Enter Your Friend&apos;s Email</source>
        <translation>Introduce el correo electrónico de tu amigo.</translation>
    </message>
    <message>
        <source>Your Name</source>
        <translation>Tu nombre</translation>
    </message>
    <message>
        <source>Your Email Address</source>
        <translation>Tu correo electrónico</translation>
    </message>
    <message>
        <source>Your Message</source>
        <translation>Tu mensaje</translation>
    </message>
    <message>
        <source>Friend&apos;s Name</source>
        <translation>Nombre de tu amigo</translation>
    </message>
    <message>
        <source>Friend&apos;s Email Address</source>
        <translation>Correo electrónico de tu amigo</translation>
    </message>
</context>
<context>
    <name>SqliteJournalFile</name>
    <message>
        <source>%1 is the journal itself.</source>
        <translation>%1 es el propio diario.</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2.</source>
        <translation>No se puede escribir en %1: %2.</translation>
    </message>
    <message>
        <source>The journal could not be copied to %1: %2.</source>
        <translation>No se pudo copiar el diario en %1: %2.</translation>
    </message>
    <message>
        <source>%1 is neither a backup of a journal nor a CSV exported by Tarvelle.</source>
        <translation>%1 no es una copia de seguridad de un diario ni un CSV exportado por Tarvelle.</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2.</source>
        <translation>No se puede leer %1: %2.</translation>
    </message>
    <message>
        <source>%1 cannot be read as a journal: %2</source>
        <translation>No se puede leer %1 como diario: %2</translation>
    </message>
    <message>
        <source>%1 comes from a newer version of Tarvelle (format %2; this version knows format %3).</source>
        <translation>%1 procede de una versión más reciente de Tarvelle (formato %2; esta versión conoce el formato %3).</translation>
    </message>
    <message>
        <source>The days drawn and the notes typed are kept while Tarvelle runs, and written to the journal as soon as it takes them.</source>
        <translation>Las cartas de cada día y las notas escritas se conservan mientras Tarvelle esté en marcha, y se guardarán en el diario en cuanto este las admita.</translation>
    </message>
    <message>
        <source>The journal %1 cannot be opened: %2.</source>
        <translation>No se puede abrir el diario %1: %2.</translation>
    </message>
    <message>
        <source>The journal cannot be kept: Qt&apos;s SQLite driver (Debian package libqt6sql6-sqlite) is not installed.</source>
        <translation>No se puede llevar el diario: el controlador SQLite de Qt (paquete de Debian libqt6sql6-sqlite) no está instalado.</translation>
    </message>
    <message>
        <source>The journal&apos;s folder %1 cannot be made: %2.</source>
        <translation>No se puede crear la carpeta del diario %1: %2.</translation>
    </message>
    <message>
        <source>The journal %1 cannot be written: %2.</source>
        <translation>No se puede escribir en el diario %1: %2.</translation>
    </message>
    <message>
        <source>The journal cannot be made in %1: %2.</source>
        <translation>No se puede crear el diario en %1: %2.</translation>
    </message>
    <message>
        <source>The journal %1 changed while it was being opened.</source>
        <translation>El diario %1 cambió mientras se abría.</translation>
    </message>
    <message>
        <source>The journal %1 comes from a newer version of Tarvelle (format %2; this version knows format %3) and is left as it is.</source>
        <translation>El diario %1 procede de una versión más reciente de Tarvelle (formato %2; esta versión conoce el formato %3) y se deja tal como está.</translation>
    </message>
    <message>
        <source>Its days are shown, but nothing new is written to it, and notes cannot be typed.</source>
        <translation>Se muestran sus días, pero no se le añade nada nuevo ni se pueden escribir notas.</translation>
    </message>
    <message>
        <source>This version cannot show its days, and nothing new is written to it.</source>
        <translation>Esta versión no puede mostrar sus días, y no se le añade nada nuevo.</translation>
    </message>
    <message>
        <source>The journal %1 is in use by another program.</source>
        <translation>Otro programa está usando el diario %1.</translation>
    </message>
    <message>
        <source>The disk that holds the journal %1 is full.</source>
        <translation>El disco que contiene el diario %1 está lleno.</translation>
    </message>
    <message>
        <source>The journal %1 could not be written: %2.</source>
        <translation>No se pudo escribir en el diario %1: %2.</translation>
    </message>
    <message>
        <source>The journal %1 could not be read: %2.</source>
        <translation>No se pudo leer el diario %1: %2.</translation>
    </message>
    <message>
        <source>The journal %1 is damaged and cannot be moved aside: %2. It is left as it is.</source>
        <translation>El diario %1 está dañado y no se puede apartar: %2. Se deja tal como está.</translation>
    </message>
    <message>
        <source>The journal file was damaged. It has been kept, untouched, as %1, and a new journal has begun.</source>
        <translation>El archivo del diario estaba dañado. Se ha guardado intacto como %1 y se ha empezado un diario nuevo.</translation>
    </message>
    <message>
        <source>Nothing of the damaged file has been deleted.</source>
        <translation>No se ha borrado nada del archivo dañado.</translation>
    </message>
</context>
<context>
    <name>UpdateReminder</name>
    <message>
        <source>There maybe an update to this software available<byte value="xd"/>Do you want to check for an update?</source>
        <translation>Puede que haya una actualización disponible de este programa.<byte value="xd"/>¿Quieres buscarla ahora?</translation>
    </message>
</context>
<context>
    <name>app::CardPanel</name>
    <message>
        <source>Cartomancy Card For The Day</source>
        <translation>Carta de cartomancia del día</translation>
    </message>
    <message>
        <source>Favorable Time Period</source>
        <translation>Periodo favorable</translation>
    </message>
    <message>
        <source>Keywords</source>
        <translation>Claves</translation>
    </message>
    <message>
        <source>Characteristics</source>
        <translation>Características</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Configuración</translation>
    </message>
</context>
<context>
    <name>app::CardPicture</name>
    <message>
        <source>Picture of the card %1</source>
        <translation>Imagen de la carta %1</translation>
    </message>
</context>
<context>
    <name>app::JournalCalendar</name>
    <message>
        <source>, with a note</source>
        <translation>, con nota</translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation>Mes anterior</translation>
    </message>
    <message>
        <source>Previous month (Page Up)</source>
        <translation>Mes anterior (Re Pág)</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>Mes siguiente</translation>
    </message>
    <message>
        <source>Next month (Page Down)</source>
        <translation>Mes siguiente (Av Pág)</translation>
    </message>
    <message>
        <source>Days of the month</source>
        <translation>Días del mes</translation>
    </message>
</context>
<context>
    <name>app::JournalExportDialog</name>
    <message>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>E&amp;very day</source>
        <translation>&amp;Todos los días</translation>
    </message>
    <message>
        <source>Days &amp;from</source>
        <translation>Días &amp;desde</translation>
    </message>
    <message>
        <source>First day</source>
        <translation>Primer día</translation>
    </message>
    <message>
        <source>&amp;to</source>
        <translation>&amp;hasta</translation>
    </message>
    <message>
        <source>Last day</source>
        <translation>Último día</translation>
    </message>
    <message>
        <source>&amp;Markdown</source>
        <translation>&amp;Markdown</translation>
    </message>
    <message>
        <source>&amp;CSV, for spreadsheets</source>
        <translation>&amp;CSV, para hojas de cálculo</translation>
    </message>
    <message>
        <source>&amp;Export…</source>
        <translation>&amp;Exportar…</translation>
    </message>
    <message>
        <source>Which days</source>
        <translation>Qué días</translation>
    </message>
    <message>
        <source>As</source>
        <translation>Formato</translation>
    </message>
</context>
<context>
    <name>app::JournalStatisticsView</name>
    <message>
        <source>Colours</source>
        <translation>Colores</translation>
    </message>
    <message>
        <source>This month</source>
        <translation>Este mes</translation>
    </message>
    <message>
        <source>This year</source>
        <translation>Este año</translation>
    </message>
    <message>
        <source>Everything</source>
        <translation>Todo</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Periodo</translation>
    </message>
    <message>
        <source>Suits and colours</source>
        <translation>Palos y colores</translation>
    </message>
    <message>
        <source>&amp;Period:</source>
        <translation>&amp;Periodo:</translation>
    </message>
    <message>
        <source>Clubs</source>
        <translation>Tréboles</translation>
    </message>
    <message>
        <source>Diamonds</source>
        <translation>Diamantes</translation>
    </message>
    <message>
        <source>Hearts</source>
        <translation>Corazones</translation>
    </message>
    <message>
        <source>Spades</source>
        <translation>Picas</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Red %1, black %2.</source>
        <translation>Rojas %1, negras %2.</translation>
    </message>
    <message>
        <source>Came up most: %1.</source>
        <translation>Lo que más ha salido: %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n day(s) recorded, %1 with a note.</source>
        <extracomment>%1 is the number of days with a note</extracomment>
        <translation>
            <numerusform>%n día registrado, %1 con nota.</numerusform>
            <numerusform>%n días registrados, %1 con nota.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 (%n time(s))</source>
        <translation>
            <numerusform>%1 (%n vez)</numerusform>
            <numerusform>%1 (%n veces)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Longest run of days with a note: %n day(s).</source>
        <translation>
            <numerusform>Racha más larga de días con nota: %n día.</numerusform>
            <numerusform>Racha más larga de días con nota: %n días.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>app::JournalWindow</name>
    <message>
        <source>Journal</source>
        <translation>Diario</translation>
    </message>
    <message>
        <source>Import into the journal</source>
        <translation>Importar al diario</translation>
    </message>
    <message>
        <source>Back up the journal</source>
        <translation>Hacer una copia de seguridad del diario</translation>
    </message>
    <message>
        <source>Export the journal</source>
        <translation>Exportar el diario</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>&amp;Buscar:</translation>
    </message>
    <message>
        <source>Find a card or words in the notes</source>
        <translation>Buscar una carta o palabras en las notas</translation>
    </message>
    <message>
        <source>A card or words in the notes</source>
        <translation>Una carta o palabras de las notas</translation>
    </message>
    <message>
        <source>&amp;Go to day:</source>
        <translation>I&amp;r al día:</translation>
    </message>
    <message>
        <source>Go to day</source>
        <translation>Ir al día</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Días</translation>
    </message>
    <message>
        <source>&amp;Days</source>
        <translation>&amp;Días</translation>
    </message>
    <message>
        <source>C&amp;alendar</source>
        <translation>Ca&amp;lendario</translation>
    </message>
    <message>
        <source>Your &amp;year</source>
        <translation>Tu &amp;año</translation>
    </message>
    <message>
        <source>What came up, as a picture</source>
        <translation>Lo que ha salido, de un vistazo</translation>
    </message>
    <message>
        <source>&amp;Export…</source>
        <translation>&amp;Exportar…</translation>
    </message>
    <message>
        <source>&amp;Back Up…</source>
        <translation>&amp;Guardar copia…</translation>
    </message>
    <message>
        <source>Back Up Journal…</source>
        <translation>Hacer una copia de seguridad del diario…</translation>
    </message>
    <message>
        <source>&amp;Import…</source>
        <translation>&amp;Importar…</translation>
    </message>
    <message>
        <source>Import days from a backup or an exported CSV</source>
        <translation>Importar días desde una copia de seguridad o un CSV exportado</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Favorable Time Period</source>
        <translation>Periodo favorable</translation>
    </message>
    <message>
        <source>Keywords</source>
        <translation>Claves</translation>
    </message>
    <message>
        <source>Characteristics</source>
        <translation>Características</translation>
    </message>
    <message>
        <source>The day&apos;s card</source>
        <translation>La carta del día</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>&amp;Note for %1</source>
        <translation>&amp;Nota del %1</translation>
    </message>
    <message>
        <source>Note for %1</source>
        <translation>Nota del %1</translation>
    </message>
    <message>
        <source>A note holds at most %L1 characters; this one has no room for more.</source>
        <translation>Una nota admite como máximo %L1 caracteres; en esta ya no cabe más.</translation>
    </message>
    <message>
        <source>The note for %1 was changed elsewhere while it was open here; both are kept.</source>
        <translation>La nota del %1 se modificó en otro lugar mientras estaba abierta aquí; se conservan las dos.</translation>
    </message>
    <message>
        <source>%1 is on the clipboard.</source>
        <translation>Copiado en el portapapeles: %1.</translation>
    </message>
    <message>
        <source>CSV, comma-separated (*.csv)</source>
        <translation>CSV, separado por comas (*.csv)</translation>
    </message>
    <message>
        <source>Markdown (*.md)</source>
        <translation>Markdown (*.md)</translation>
    </message>
    <message>
        <source>The journal could not be exported to %1: %2.</source>
        <translation>No se pudo exportar el diario a %1: %2.</translation>
    </message>
    <message>
        <source>Journal backups (*.sqlite)</source>
        <translation>Copias de seguridad del diario (*.sqlite)</translation>
    </message>
    <message>
        <source>The journal could not be backed up to %1: %2</source>
        <translation>No se pudo hacer la copia de seguridad del diario en %1: %2</translation>
    </message>
    <message>
        <source>The journal is backed up to %1.</source>
        <translation>Copia de seguridad del diario guardada en %1.</translation>
    </message>
    <message>
        <source>Journal backups and exports (*.sqlite *.csv);;All files (*)</source>
        <translation>Copias de seguridad y exportaciones del diario (*.sqlite *.csv);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Imported from %1: new days %2, notes joined to the journal&apos;s own %3.</source>
        <translation>Importado desde %1. Días nuevos: %2. Notas unidas a las que ya tenía el diario: %3.</translation>
    </message>
    <message>
        <source>%1 is neither a journal backup nor a CSV exported from the journal; nothing was changed.</source>
        <translation>%1 no es una copia de seguridad del diario ni un CSV exportado desde el diario; no se ha cambiado nada.</translation>
    </message>
    <message>
        <source>%1 could not be read (%2); nothing was changed.</source>
        <translation>No se pudo leer %1 (%2); no se ha cambiado nada.</translation>
    </message>
    <message>
        <source>The journal could not take the import (%1); nothing was changed.</source>
        <translation>El diario no pudo admitir la importación (%1); no se ha cambiado nada.</translation>
    </message>
    <message numerus="yes">
        <source>Came up %n time(s) since %1</source>
        <extracomment>%1 is the date of the first day in the journal</extracomment>
        <translation>
            <numerusform>Ha salido una vez desde el %1</numerusform>
            <numerusform>Ha salido %n veces desde el %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n day(s) in the journal.</source>
        <translation>
            <numerusform>%n día en el diario.</numerusform>
            <numerusform>%n días en el diario.</numerusform>
        </translation>
    </message>
    <message>
        <source>Tarvelle journal</source>
        <translation>Diario de Tarvelle</translation>
    </message>
    <message numerus="yes">
        <source>%n day(s) exported to %1.</source>
        <translation>
            <numerusform>%n día exportado a %1.</numerusform>
            <numerusform>%n días exportados a %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>app::MainWindow</name>
    <message>
        <source>Later</source>
        <translation>Más tarde</translation>
    </message>
    <message>
        <source>In &amp;10 Minutes</source>
        <translation>En &amp;10 minutos</translation>
    </message>
    <message>
        <source>In an &amp;Hour</source>
        <translation>En una &amp;hora</translation>
    </message>
    <message>
        <source>In &amp;Three Hours</source>
        <translation>En &amp;tres horas</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>Show &amp;Cartomancy Card</source>
        <translation>Mostrar la &amp;carta del día</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Herramientas</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Configuración</translation>
    </message>
    <message>
        <source>&amp;Journal</source>
        <translation>&amp;Diario</translation>
    </message>
    <message>
        <source>&amp;Wait While I&apos;m Busy</source>
        <translation>&amp;Esperar si no estoy libre</translation>
    </message>
    <message>
        <source>At the display time, keep the card back while the desktop says you are busy</source>
        <translation>A la hora de mostrarla, retener la carta mientras el escritorio indique que no estás libre</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>Ayuda en &amp;línea</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Visítanos en la web</translation>
    </message>
    <message>
        <source>Check for Software &amp;Update</source>
        <translation>Buscar act&amp;ualizaciones</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>&amp;Acerca del programa</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Donar</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Mostrar</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Remind Me &amp;Later</source>
        <translation>Recordar &amp;más tarde</translation>
    </message>
    <message>
        <source>Please Enter Correct Date !</source>
        <translation>Introduce una fecha válida.</translation>
    </message>
    <message>
        <source>Are You Sure You Want To Quit Tarvelle?</source>
        <translation>¿Seguro que quieres salir de Tarvelle?</translation>
    </message>
    <message>
        <source>Talk about your cards with friends on the Quellmoor discussion board: click here to visit us!</source>
        <translation>Comenta tus cartas con amigos en el foro de Quellmoor: ¡haz clic aquí para visitarnos!</translation>
    </message>
    <message>
        <source>Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site&apos;s name &amp;  link here. See &quot;Help&quot; for details.    Click Here for more info on co-branding.</source>
        <translation>Personaliza este programa con la marca de tu web. Gana fidelidad y visitas. Pon aquí el nombre y el enlace de tu sitio. Consulta la «Ayuda» para más detalles. Haz clic aquí para saber más sobre la marca compartida.</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.</source>
        <translation>Oportunidad de negocio desde casa. Crea tu propio negocio en Internet y gana dinero en línea. Consigue este programa con la marca de tu web. Haz clic aquí para saber más.</translation>
    </message>
</context>
<context>
    <name>app::Program</name>
    <message>
        <source>Application is already running</source>
        <translation>La aplicación ya se está ejecutando</translation>
    </message>
</context>
<context>
    <name>app::SettingsPanel</name>
    <message>
        <source>Cartomancy Card Settings</source>
        <translation>Configuración de la carta</translation>
    </message>
    <message>
        <source>Let Tarvelle  show your Lucky Cartomancy Card for the Day! Set the time and other display settings here.</source>
        <translation>¡Deja que Tarvelle te muestre cada día tu carta de la suerte! Elige aquí la hora y cómo quieres verla.</translation>
    </message>
    <message>
        <source>Choose Display Time</source>
        <translation>Elige la hora</translation>
    </message>
    <message>
        <source>Hour</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>Minuto</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>Segundo</translation>
    </message>
    <message>
        <source>Choose Display Mode</source>
        <translation>Elige cómo se inicia</translation>
    </message>
    <message>
        <source>Run at start-up</source>
        <translation>Iniciar al arrancar</translation>
    </message>
    <message>
        <source>Start at system tray</source>
        <translation>Iniciar en la bandeja</translation>
    </message>
    <message>
        <source>Don&apos;t run at start-up</source>
        <translation>No iniciar al arrancar</translation>
    </message>
    <message>
        <source>Show &amp;Cartomancy Card</source>
        <translation>Mostrar la &amp;carta del día</translation>
    </message>
</context>
<context>
    <name>app::WindowPresence</name>
    <message>
        <source>Recent – today&apos;s card is waiting</source>
        <translation>Reciente – la carta de hoy te está esperando</translation>
    </message>
    <message>
        <source>Recent</source>
        <translation>Reciente</translation>
    </message>
</context>
<context>
    <name>dialogs::AboutDialog</name>
    <message>
        <source>Tarvelle is a daily divination technique based on playing cards. This software displays a card for the day and explains the keywords and meaning. This software can be used as a reference point to start your day.</source>
        <translation>Tarvelle es una técnica de adivinación diaria basada en los naipes. Este programa muestra una carta para cada día y explica sus claves y su significado. Puedes usarlo como punto de referencia para empezar el día.</translation>
    </message>
    <message>
        <source>Click here to visit %1</source>
        <translation>Haz clic aquí para visitar %1</translation>
    </message>
    <message>
        <source>Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.</source>
        <translation>Oportunidad de negocio desde casa. Crea tu propio negocio en Internet y gana dinero en línea. Consigue este programa con la marca de tu web.</translation>
    </message>
    <message>
        <source>Click here for more details</source>
        <translation>Haz clic aquí para saber más</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
</context>
<context>
    <name>dialogs::ExitScreen</name>
    <message>
        <source>Click Here To Visit %1 Now</source>
        <translation>Haz clic aquí para visitar %1 ahora</translation>
    </message>
    <message>
        <source>Quellmoor Softwares, such as this can be created and maintained only with your support. The best way to support Quellmoor is to visit Quellmoor regularly and take part in the discussions and other activities on the board.</source>
        <translation>Programas de Quellmoor como este solo pueden crearse y mantenerse con tu apoyo. La mejor manera de apoyar a Quellmoor es visitarlo con frecuencia y participar en los debates y demás actividades del foro.</translation>
    </message>
    <message>
        <source>Visit Quellmoor regularly. Support Quellmoor by taking part in the discussions and other activities. These softwares cannot be supported and maintained, without you regularly visiting Quellmoor</source>
        <translation>Visita Quellmoor con frecuencia. Apoya a Quellmoor participando en los debates y demás actividades. Sin tus visitas habituales a Quellmoor, estos programas no pueden mantenerse.</translation>
    </message>
    <message>
        <source>Quellmoor is a FREE online discussion forum for all things mystic. To help Quellmoor develop and maintain this software visit Quellmoor regularly.</source>
        <translation>Quellmoor es un foro en línea GRATUITO sobre todo lo místico. Para ayudar a Quellmoor a desarrollar y mantener este programa, visita Quellmoor con frecuencia.</translation>
    </message>
    <message>
        <source>Quellmoor needs your help. All you need to do is visit Quellmoor regularly and take part in the various discussions and activites to help us maintain and develop more Quellmoor Softwares.</source>
        <translation>Quellmoor necesita tu ayuda. Solo tienes que visitar Quellmoor con frecuencia y participar en sus debates y actividades para ayudarnos a mantener y crear más programas de Quellmoor.</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Refer A Friend</source>
        <translation>Díselo a un amigo</translation>
    </message>
    <message>
        <source>Refer A Friend &amp;Now</source>
        <translation>&amp;Recomendar ahora</translation>
    </message>
    <message>
        <source>Download Quellmoor Softwares</source>
        <translation>Descarga programas de Quellmoor</translation>
    </message>
    <message>
        <source>If you have enjoyed this software you will surely be interested in our other Quellmoor Softwares. We make programs for astrology and horoscopes, psychic readings, tarot spreads, numerology and many other corners of the occult, each made to be as welcoming as this one.

All of them are simple and easy to use, fun and informative. Try them for yourself, and share what you discover with your friends and family.</source>
        <translation>Si te ha gustado este programa, seguro que te interesarán los demás programas de Quellmoor. Los hacemos de astrología y horóscopos, videncia, tiradas de tarot, numerología y muchos otros rincones de lo oculto, todos pensados para ser tan acogedores como este.

Todos son sencillos y fáciles de usar, entretenidos e informativos. Pruébalos y comparte lo que descubras con tus amigos y tu familia.</translation>
    </message>
    <message>
        <source>Click Here To Visit Quellmoor Softwares</source>
        <translation>Visita los programas de Quellmoor</translation>
    </message>
    <message>
        <source>Email Address Cannot Contain Space</source>
        <translation>La dirección de correo no puede contener espacios.</translation>
    </message>
</context>
<context>
    <name>rules::PanelChoices</name>
    <message>
        <source>Error %1 opening key<byte value="xd"/>
%2</source>
        <extracomment>%1 is the error&apos;s number, %2 the system&apos;s words for it</extracomment>
        <translation>Error %1 al abrir la clave<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>Error %1 setting key<byte value="xd"/>
%2</source>
        <translation>Error %1 al escribir la clave<byte value="xd"/>
%2</translation>
    </message>
</context>
</TS>
